#include "ColorStyleScan.h"
#include "RenderTestSupport.h"

#include <QtTest>

using namespace rt;

class ColorStyleScanTest : public QObject {
    Q_OBJECT
private slots:
    void scan_data()
    {
        QTest::addColumn<UnicodeString>("input");
        QTest::addColumn<UnicodeString>("left");
        QTest::addColumn<QStringList>("entries");

        QTest::newRow("empty") << T({}) << T({}) << QStringList{};
        QTest::newRow("one code") << T({B}) << T({B}) << QStringList{};
        QTest::newRow("one letter") << T({"a"}) << T({"a"}) << QStringList{};
        QTest::newRow("bold pair") << T({"ab", B, "cd", B, "ef"}) << T({"abcdef"})
                                   << QStringList{"3 bold 5", "5 bold 00"};
        QTest::newRow("end kept as written") << T({"a", B, "b", U, "c", B, "d"}) << T({"abcd"})
                                             << QStringList{"2 bold 5", "3 clUnderline 00", "4 bold 00"};
        QTest::newRow("red ends before next red")
            << T({"ab", C, "04cd", C, "02ef", C, "04gh"}) << T({"abcdefgh"})
            << QStringList{"3 clRed 9", "5 clBlue 00", "7 clRed 00"};
        QTest::newRow("lone colour ends at any colour") << T({"x", C, "yz", C, "04w"}) << T({"xyzw"})
                                                        << QStringList{"2 clNoColor 4", "4 clRed 00"};
        QTest::newRow("code moved to position 1") << T({B, U, "yz"}) << T({"yz"})
                                                  << QStringList{"1 bold 00", "1 clUnderline 00"};
        QTest::newRow("index at -2") << T({C, "04", B, "yz"}) << T({"yz"}) << QStringList{"1 clRed 00", "1 bold 00"};
        QTest::newRow("end 0") << T({C, "04", C, "04x"}) << T({"x"}) << QStringList{"1 clRed 0", "1 clRed 00"};
        QTest::newRow("last reset stays") << T({R, C, "04ab", R}) << T({"ab", R})
                                          << QStringList{"1 clTerminate 6", "1 clRed 00"};
        QTest::newRow("text order, not rule order")
            << T({"a", I, S, U, "b"}) << T({"ab"})
            << QStringList{"2 clItalic 00", "2 clStrikeout 00", "2 clUnderline 00"};
        QTest::newRow("last code stays") << T({"ab", B}) << T({"ab", B}) << QStringList{};
        QTest::newRow("second code comes last") << T({"ab", B, B}) << T({"ab", B}) << QStringList{"3 bold 3"};
        QTest::newRow("trailing colour code") << T({"ab", C, "04"}) << T({"ab"}) << QStringList{"3 clRed 00"};
        QTest::newRow("trailing lone colour") << T({"x", C}) << T({"x", C}) << QStringList{};
        QTest::newRow("lone colour") << T({"x", C, "a"}) << T({"xa"}) << QStringList{"2 clNoColor 00"};
        QTest::newRow("16 is no colour index") << T({"x", C, "16y"}) << T({"x16y"}) << QStringList{"2 clNoColor 00"};
        QTest::newRow("one digit is no colour code") << T({"x", C, "4y"}) << T({"x4y"}) << QStringList{"2 clNoColor 00"};
        QTest::newRow("other codes stay") << T({"a", G, "b", Tab, "c"}) << T({"a", G, "b", Tab, "c"}) << QStringList{};
        QTest::newRow("codes alone") << T({B, U}) << T({}) << QStringList{"1 bold 00", "1 clUnderline 00"};

        // Every colour code with its format name, in colour-table order.
        UnicodeString all;
        QStringList names;
        for (std::size_t i = 0; i < ColorTable.size(); ++i) {
            all += Codes::ColorCodes2()[i] + UnicodeString(static_cast<char16_t>(u'a' + i));
            names << QString("%1 %2 00").arg(i + 1).arg(ColorTable[i].formatName);
        }
        QTest::newRow("sixteen colours") << all << T({"abcdefghijklmnop"}) << names;
    }
    void scan()
    {
        QFETCH(UnicodeString, input);
        QFETCH(UnicodeString, left);
        FakeView view;
        UnicodeString text = input;
        ColorStyleScan(text, view);
        QCOMPARE(Q(text), Q(left));
        QTEST(Q(view.list), "entries");
    }

    // Each deletion is reported with its position and its length.
    void upkeepCalls()
    {
        FakeView view;
        UnicodeString text = T({"ab", C, "04cd", B, "ef"});
        ColorStyleScan(text, view);
        const std::vector<std::pair<int, int>> expected{{3, 3}, {5, 1}};
        QVERIFY(view.updates == expected);
    }

    // One pump per step of the walk, one per entry the upkeep visits.
    void pumps_data()
    {
        QTest::addColumn<UnicodeString>("input");
        QTest::addColumn<int>("pumps");
        QTest::newRow("empty") << T({}) << 0;
        QTest::newRow("plain") << T({"abcd"}) << 3;
        // Walk steps at 1 (match), 1, 2, 3 (match), 3; the second upkeep visits one entry.
        QTest::newRow("two codes") << T({B, "ab", B, "cd"}) << 6;
    }
    void pumps()
    {
        QFETCH(UnicodeString, input);
        FakeView view;
        PumpCounter counter;
        ColorStyleScan(input, view);
        QTEST(static_cast<int>(counter.Count()), "pumps");
    }
};

QTEST_MAIN(ColorStyleScanTest)
#include "ColorStyleScanTest.moc"
