// The scan gives the text, the Format List, the upkeep calls and the pumps
// of its step-by-step form, on many texts; and skipping the upkeep's walk is
// only asked for where the walk would move nothing.
#include "ColorStyleScan.h"
#include "LiteralScan.h"

#include "Application.h"
#include "Codes.h"
#include "FormatList.h"
#include "FormatListHost.h"
#include "Outcome.h"
#include "StringList.h"
#include "TestText.h"

#include <QtTest>

#include <random>
#include <vector>

namespace {

// A Format List that records every upkeep call.
class ListView : public TFormatListHost {
public:
    TStrings& FormatList() override { return list; }
    void UpdateFormatList(int pos, int length) override
    {
        updates.push_back({pos, length});
        ::UpdateFormatList(list, pos, length);
    }

    TStringList list;
    std::vector<std::pair<int, int>> updates;
};

// Skips the walk, after checking that it would move nothing: every entry
// starts at or before pos and converts, and so does every end.
class SkippingView : public ListView {
public:
    void UpdateFormatListNoneMoved(int pos, int length) override
    {
        updates.push_back({pos, length});
        for (int i = 0; i < list.Count(); ++i) {
            const FormatEntry e = SplitEntry(list.Get(i));
            const auto start = e.Start.TryToInt();
            if (!start || *start > pos || !(e.Next == OpenEnd || e.Next.TryToInt()))
                ++wrongSkips;
        }
        ::UpdateFormatListNoneMoved(list);
    }

    int wrongSkips = 0;
};

// A scan's outcome, and the upkeep calls it made.
struct ScanRun {
    tt::Outcome outcome;
    std::vector<std::pair<int, int>> updates;
    friend bool operator==(const ScanRun&, const ScanRun&) = default;
};

template <class Scan>
ScanRun Run(Scan scan, ListView& view, const UnicodeString& input, const std::vector<UnicodeString>& before)
{
    for (const auto& e : before)
        view.list.Add(e);
    tt::Outcome o = tt::RunCounted([&](UnicodeString& text) { scan(text, view); }, input);
    o.entries = view.list.Items();
    return {o, view.updates};
}

// Compares the scan, with a skipping and with a plain view, to the literal
// scan; stops after a few differences.
void ExpectSame(const std::vector<UnicodeString>& inputs, const std::vector<UnicodeString>& before = {})
{
    int failures = 0;
    for (const UnicodeString& input : inputs) {
        ListView plain, reference;
        SkippingView skipping;
        const ScanRun want = Run(&literal::ColorStyleScan, reference, input, before);
        const ScanRun fast = Run(&ColorStyleScan, skipping, input, before);
        const ScanRun full = Run(&ColorStyleScan, plain, input, before);
        for (const ScanRun* got : {&fast, &full}) {
            if (*got == want)
                continue;
            QWARN(qPrintable(QString::fromStdString("input " + Printable(input) + "\n  got  " +
                                                    tt::Describe(got->outcome) + "\n  want " +
                                                    tt::Describe(want.outcome) +
                                                    (got->updates == want.updates ? "" : "\n  other upkeep calls"))));
            ++failures;
        }
        if (skipping.wrongSkips != 0) {
            QWARN(qPrintable(QString::fromStdString("walk skipped where it moves entries: " + Printable(input))));
            ++failures;
        }
        if (failures >= 5)
            break;
    }
    QCOMPARE(failures, 0);
}

// Codes as the passes leave them, and the forms around them.
std::vector<UnicodeString> CodePieces()
{
    std::vector<UnicodeString> p = tt::Units(u"\x0F\x02\x1F\x1E\x1D\x03\x03\x0E\x09" u"abc 0149");
    for (const auto& code : Codes::ColorCodes2())
        p.push_back(code);
    for (const char* n : {"16", "4", "99", "0", "1", "15,"})
        p.push_back(UnicodeString(ctrlC) + n);
    return p;
}

} // namespace

class ScanSameAsLiteralTest : public QObject {
    Q_OBJECT
private slots:
    void everyShortText()
    {
        ExpectSame(tt::AllTexts(u"\x03\x02\x0F\x1F" u"01a", 6));
        ExpectSame(tt::AllTexts(u"\x03\x1D\x1E" u"15", 6));
    }
    void randomTexts()
    {
        ExpectSame(tt::PieceTexts(51, tt::Units(u"\x0F\x02\x1F\x1E\x1D\x03\x03\x03\x03\x0E" u"0011234559a"), 30, 20000));
        ExpectSame(tt::PieceTexts(52, CodePieces(), 20, 20000));
    }
    void longTexts()
    {
        ExpectSame(tt::PieceTexts(53, CodePieces(), 1500, 20));
        ExpectSame({UnicodeString(std::u16string(3000, ctrlB)), UnicodeString(std::u16string(3000, ctrlC)),
                    UnicodeString(std::u16string(3000, u'a'))});
    }
    // A list that held entries before the scan is walked in full.
    void listNotEmptyAtTheStart()
    {
        const std::vector<UnicodeString> before = {"1 bold 5", "40 clRed 00", "3 clBlue 9", "x", "9 clAqua 12"};
        ExpectSame(tt::PieceTexts(54, CodePieces(), 20, 3000), before);
        ExpectSame(tt::PieceTexts(55, CodePieces(), 20, 3000), {"2 bold 00", "7 clRed q", "8 bold 9"});
    }
    // An entry is its numbers' decimal texts around the name, as joined texts give it.
    void entryText()
    {
        std::mt19937 rng(56);
        std::vector<int> values = {0, 1, -1, 9, 10, -10, 99, 100, 2147483647, -2147483647 - 1, 1000000000};
        for (int i = 0; i < 2000; ++i)
            values.push_back(static_cast<int>(rng()));
        for (int v : values) {
            const UnicodeString name = v % 2 ? "bold" : "clLightGreen";
            QCOMPARE(MakeEntry(v, name, v / 3), UnicodeString(v) + " " + name + " " + UnicodeString(v / 3));
            QCOMPARE(MakeEntry(v, name, std::nullopt), UnicodeString(v) + " " + name + " 00");
        }
    }
    // Skipping the walk keeps what the walk keeps: the list, the update
    // bracket and one pump per entry.
    void noneMoved_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("pos");
        QTest::newRow("empty") << QStringList{} << 3;
        QTest::newRow("starts at pos") << QStringList{"3 bold 5", "3 clRed 00"} << 3;
        QTest::newRow("starts before pos") << QStringList{"1 bold 9", "2 clItalic 00", "1 clRed 0"} << 4;
        QTest::newRow("negative ends") << QStringList{"1 bold -3", "-2 clRed 00"} << 1;
    }
    void noneMoved()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, pos);
        TStringList walked, skipped;
        for (const QString& e : entries) {
            walked.Add(UnicodeString(e.toStdU16String()));
            skipped.Add(UnicodeString(e.toStdU16String()));
        }
        PumpCounter walkPumps;
        ::UpdateFormatList(walked, pos, 3);
        const std::uint64_t walkCount = walkPumps.Count();
        PumpCounter skipPumps;
        ::UpdateFormatListNoneMoved(skipped);
        QCOMPARE(skipPumps.Count(), walkCount);
        QCOMPARE(walkCount, static_cast<std::uint64_t>(entries.size()));
        QVERIFY(walked.Items() == skipped.Items());
        QCOMPARE(skipped.Count(), static_cast<int>(entries.size()));
        QVERIFY(!skipped.Updating());
    }
};

QTEST_MAIN(ScanSameAsLiteralTest)
#include "ScanSameAsLiteralTest.moc"
