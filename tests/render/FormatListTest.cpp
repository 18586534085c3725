#include "RenderTestSupport.h"

#include <QtTest>

#include <optional>

using namespace rt;

namespace {

// A list that counts its change notifications.
class CountingList : public TStringList {
public:
    int changes = 0;

protected:
    void OnChange() override { ++changes; }
};

} // namespace

class FormatListTest : public QObject {
    Q_OBJECT
private slots:
    void split_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("col");
        QTest::addColumn<QString>("next");
        QTest::newRow("three fields") << "12 clNoColor 14" << "12" << "clNoColor" << "14";
        QTest::newRow("open end") << "1 bold 00" << "1" << "bold" << "00";
        QTest::newRow("no blank") << "abc" << "" << "" << "abc";
        QTest::newRow("one blank") << "5 clRed" << "5" << "" << "clRed";
        QTest::newRow("third blank stays in next") << "6 bold 9 x" << "6" << "bold" << "9 x";
        QTest::newRow("leading blank") << " lead" << "" << "" << "lead";
        QTest::newRow("trailing blank") << "a b " << "a" << "b" << "";
        QTest::newRow("empty") << "" << "" << "" << "";
    }
    void split()
    {
        QFETCH(QString, entry);
        const FormatEntry f = SplitEntry(UnicodeString(entry.toStdU16String()));
        QTEST(Q(f.Start), "start");
        QTEST(Q(f.Col), "col");
        QTEST(Q(f.Next), "next");
    }

    void make()
    {
        QCOMPARE(Q(MakeEntry(3, "bold", 5)), QString("3 bold 5"));
        QCOMPARE(Q(MakeEntry(1, "clRed", std::nullopt)), QString("1 clRed 00"));
        QCOMPARE(Q(MakeEntry(1, "clRed", 0)), QString("1 clRed 0"));
        QCOMPARE(Q(MakeEntry(-1, "clRed", -3)), QString("-1 clRed -3"));
    }

    void update_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("pumps");
        QTest::newRow("only the later start moves")
            << QStringList{"3 bold 5", "7 clRed 00"} << 5 << 1 << QStringList{"3 bold 5", "6 clRed 00"} << 2;
        QTest::newRow("start equal to pos stays") << QStringList{"4 clItalic 9"} << 4 << 1 << QStringList{"4 clItalic 9"} << 1;
        QTest::newRow("colour deletion moves both") << QStringList{"6 clUnderline 12"} << 2 << 3
                                                    << QStringList{"3 clUnderline 9"} << 1;
        QTest::newRow("end after pos, start before") << QStringList{"1 bold 6"} << 3 << 1 << QStringList{"1 bold 6"} << 1;
        QTest::newRow("end 0 is a number") << QStringList{"2 clRed 0"} << 1 << 3 << QStringList{"-1 clRed -3"} << 1;
        QTest::newRow("down to 0") << QStringList{"2 clRed 3"} << 1 << 3 << QStringList{"-1 clRed 0"} << 1;
        QTest::newRow("empty list") << QStringList{} << 2 << 1 << QStringList{} << 0;
        QTest::newRow("pos 0 moves every start from 1")
            << QStringList{"1 bold 00", "0 bold 3"} << 0 << 1 << QStringList{"0 bold 00", "0 bold 3"} << 2;
        QTest::newRow("negative pos") << QStringList{"1 bold 4"} << -2 << 1 << QStringList{"0 bold 3"} << 1;
        QTest::newRow("pos past every start still visits all")
            << QStringList{"1 bold 2", "2 bold 00", "3 clRed 5"} << 9 << 1
            << QStringList{"1 bold 2", "2 bold 00", "3 clRed 5"} << 3;
        QTest::newRow("entry without blank ends the walk")
            << QStringList{"9 bold 00", "nonblank", "8 clBlue 12"} << 2 << 1
            << QStringList{"8 bold 00", "nonblank", "8 clBlue 12"} << 2;
        QTest::newRow("end that is no number ends the walk")
            << QStringList{"9 bold 00", "5 clRed x", "8 clBlue 12"} << 2 << 1
            << QStringList{"8 bold 00", "4 clRed x", "8 clBlue 12"} << 2;
        QTest::newRow("single blank") << QStringList{"5 clRed", "6 bold 00"} << 2 << 1 << QStringList{"4  clRed", "6 bold 00"}
                                      << 1;
        QTest::newRow("third blank") << QStringList{"6 bold 9 x"} << 2 << 1 << QStringList{"5 bold 9 x"} << 1;
        QTest::newRow("signed and hex starts convert")
            << QStringList{"+7 bold 00", "$A clRed 12"} << 2 << 1 << QStringList{"6 bold 00", "9 clRed 11"} << 2;
        QTest::newRow("start that is no number") << QStringList{"x bold 00", "7 bold 00"} << 2 << 1
                                                 << QStringList{"x bold 00", "7 bold 00"} << 1;
    }
    void update()
    {
        QFETCH(QStringList, before);
        QFETCH(int, pos);
        QFETCH(int, length);
        QFETCH(int, pumps);
        CountingList list;
        Fill(list, before);
        list.changes = 0;
        PumpCounter counter;
        UpdateFormatList(list, pos, length);
        QTEST(Q(list), "after");
        QCOMPARE(counter.Count(), static_cast<std::uint64_t>(pumps));
        // One bracket: the rewrites notify once, when it closes.
        QCOMPARE(list.changes, 1);
        QVERIFY(!list.Updating());
    }

    // A list shortened during a pump ends the walk quietly.
    void shortenedDuringWalk()
    {
        TStringList list;
        Fill(list, {"5 bold 00", "6 bold 00", "7 bold 00"});
        int pumps = 0;
        {
            const TPumpHookGuard hook([&] {
                if (++pumps == 2) {
                    list.Clear();
                    list.Add("1 clRed 00");
                }
            });
            UpdateFormatList(list, 2, 1);
        }
        QCOMPARE(Q(list), QStringList{"1 clRed 00"});
        QCOMPARE(pumps, 2);
        QVERIFY(!list.Updating());
    }
};

QTEST_MAIN(FormatListTest)
#include "FormatListTest.moc"
