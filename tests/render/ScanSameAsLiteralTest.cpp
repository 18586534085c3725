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
#include "ScanRun.h"
#include "StringList.h"
#include "TestText.h"

#include <QtTest>

#include <random>
#include <vector>

namespace {

// Compares the scan, with a skipping and with a plain list, to the literal
// scan; stops after a few differences.
void ExpectSame(const std::vector<UnicodeString>& inputs, const std::vector<UnicodeString>& before = {})
{
    int failures = 0;
    for (const UnicodeString& input : inputs) {
        tt::RecordingFormatList plain, reference;
        tt::SkippingFormatList skipping;
        const tt::ScanRun want = tt::RunScan(&literal::ColorStyleScan, reference, input, before);
        const tt::ScanRun fast = tt::RunScan(&ColorStyleScan, skipping, input, before);
        const tt::ScanRun full = tt::RunScan(&ColorStyleScan, plain, input, before);
        for (const tt::ScanRun* got : {&fast, &full}) {
            if (*got == want)
                continue;
            QWARN(qPrintable(QString::fromStdString("input " + Printable(input) + "\n  got  " + tt::Describe(*got) +
                                                    "\n  want " + tt::Describe(want))));
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
