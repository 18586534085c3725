// The rendering job on a fake window: its memo log, colours, regions, runs and failing stages.
#include "RTFLine.h"
#include "RenderTestSupport.h"

#include <QtTest>

using namespace rt;

namespace {

const QString Caption7 = "Line after ColorParser: ";

// The eleven log lines around the three pass results and the cleaned line.
QStringList Log(const UnicodeString& pass1, const UnicodeString& pass2, const UnicodeString& pass3,
                const UnicodeString& cleaned, const QStringList& entries)
{
    return QStringList{"Pass1: " + Q(pass1),
                       "Pass2: " + Q(pass2),
                       "Pass3: " + Q(pass3),
                       " ",
                       "Color & Style Scan:",
                       " ",
                       Caption7 + Q(cleaned),
                       " ",
                       " ",
                       "Format List:",
                       " "}
           + entries;
}

void Run(FakeView& view, const UnicodeString& line)
{
    TRTFLine job(view, line);
    job.DoSynchronize();
}

} // namespace

class RTFLineTest : public QObject {
    Q_OBJECT
private slots:
    void memoLog_data()
    {
        QTest::addColumn<UnicodeString>("line");
        QTest::addColumn<QStringList>("memo");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("preview");

        QTest::newRow("empty field") << T({}) << Log(T({}), T({}), T({}), T({}), {}) << QStringList{} << "";
        QTest::newRow("no codes") << T({"abc"}) << Log(T({"abc"}), T({"abc"}), T({"abc"}), T({"abc"}), {})
                                  << QStringList{} << "abc";
        QTest::newRow("colour with background")
            << T({C, "4,1Hi"}) << Log(T({C, "4Hi"}), T({C, "04Hi"}), T({C, "04Hi"}), T({"Hi"}), {"1 clRed 00"})
            << QStringList{"1 clRed 00"} << "Hi";
        QTest::newRow("code in the last position")
            << T({"ab", B}) << Log(T({"ab", B}), T({"ab", B}), T({"ab", B}), T({"ab"}), {}) << QStringList{} << "ab";
        QTest::newRow("codes only") << T({B, U})
                                    << Log(T({B, U}), T({B, U}), T({B, U}), T({}), {"1 bold 00", "1 clUnderline 00"})
                                    << QStringList{"1 bold 00", "1 clUnderline 00"} << "";
    }
    void memoLog()
    {
        QFETCH(UnicodeString, line);
        QFETCH(QString, preview);
        FakeView view;
        Run(view, line);
        QTEST(view.memo, "memo");
        QTEST(Q(view.list), "entries");
        QCOMPARE(view.preview.LinesCount(), preview.isEmpty() ? 0 : 1);
        QCOMPARE(StoredText(view.preview), preview);
    }

    void coloursTheLine()
    {
        FakeView view;
        Run(view, T({C, "4,1Hi"}));
        QCOMPARE(ColorMap(view.preview, 0, 2), QString("rr"));
        QCOMPARE(view.preview.SelLength(), 0);
    }

    void regionsOfTheLine()
    {
        FakeView view;
        Run(view, T({"ab"}) + Bullet + T({"cd> ", B, "ef", B, "g"}));
        QCOMPARE(StoredText(view.preview), Q(T({"ab"}) + Bullet + T({"cd> efg"})));
        QCOMPARE(ColorMap(view.preview, 0, 10), QString("bbrrrrffff"));
        // The bold run reaches one past its text; the second code ends it there.
        QCOMPARE(StyleMap(view.preview, 0, 10, fsBold), QString("0000000110"));
    }

    void twoRuns()
    {
        FakeView view;
        Run(view, T({"ab", B, "cd"}));
        view.memo.clear(); // the click clears the memo before each run
        Run(view, T({C, "04Hi", B, "x"}));
        QCOMPARE(view.memo, Log(T({C, "04Hi", B, "x"}), T({C, "04Hi", B, "x"}), T({C, "04Hi", B, "x"}), T({"Hix"}),
                                {"1 clRed 00", "3 bold 00"}));
        QCOMPARE(Q(view.list), (QStringList{"1 clRed 00", "3 bold 00"}));
        QCOMPARE(view.preview.LinesCount(), 2);
        QCOMPARE(StoredText(view.preview), QString("abcd") + QChar(QChar::ParagraphSeparator) + "Hix");
        // The second line starts after the first line's break: offset 5.
        QCOMPARE(ColorMap(view.preview, 5, 3), QString("rrr"));
        QCOMPARE(StyleMap(view.preview, 0, 8, fsBold), QString("00110001"));
    }

    // Nothing after the strip lets messages through.
    void noPumpAfterTheStrip()
    {
        FakeView view;
        bool late = false;
        TPumpHookGuard hook([&] { late = late || view.memo.join('\n').contains(Caption7); });
        Run(view, T({"ab", B, "cd", U, "e", C, "03f"}));
        QVERIFY(!late);
        QCOMPARE(view.memo.size(), 11 + 3);
    }

    // A failure in the scan ends the first stage; the rest of the run goes on
    // with the text as far as the scan got, its trailing codes not stripped.
    void failureInTheScan()
    {
        FakeView view;
        bool armed = true;
        TPumpHookGuard hook([&] {
            if (armed && view.memo.size() >= 6) {
                armed = false;
                throw Exception("stopped");
            }
        });
        const UnicodeString line = T({"ab", B, "cd", B});
        Run(view, line);
        QCOMPARE(view.memo, Log(line, line, line, line, {}));
        QCOMPARE(view.list.Count(), 0);
        QCOMPARE(StoredText(view.preview), Q(line));
    }

    // A failure before the list is emptied leaves the previous run's entries,
    // which are listed and applied again.
    void failureBeforeTheListIsEmptied()
    {
        FakeView view;
        Run(view, T({"ab", B, "cd"}));
        view.memo.clear();
        bool armed = true;
        TPumpHookGuard hook([&] {
            if (armed) {
                armed = false;
                throw Exception("stopped");
            }
        });
        Run(view, T({"xyz"}));
        QCOMPARE(view.memo, (QStringList{Caption7, " ", " ", "Format List:", " ", "3 bold 00"}));
        QCOMPARE(view.preview.LinesCount(), 1);
    }

    // A second run started at one of the first run's pumps runs whole inside it.
    void nestedRun()
    {
        FakeView view;
        bool armed = true;
        TPumpHookGuard hook([&] {
            if (armed && view.memo.contains("Color & Style Scan:") && view.list.Count() > 0) {
                armed = false;
                Run(view, T({"in", B, "ner"}));
            }
        });
        Run(view, T({"ab", B, "cd", U, "ef", B, "gh"}));
        QCOMPARE(view.preview.LinesCount(), 2);
        QCOMPARE(view.preview.document()->findBlockByNumber(0).text(), QString("inner"));
        QCOMPARE(view.preview.document()->findBlockByNumber(1).text(), QString("abcdefgh"));
    }
};

QTEST_MAIN(RTFLineTest)
#include "RTFLineTest.moc"
