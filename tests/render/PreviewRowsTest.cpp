// The preview's rows on lines Qt's layout cannot place as they come: lines of
// breaks stay one row, and a preview whose rows would reach 2^23 pixels folds
// its oldest lines away, losing none of its text, length or positions.
#include "RTFLine.h"
#include "RenderTestSupport.h"
#include "ShownRows.h"

#include <QAbstractTextDocumentLayout>
#include <QTextLayout>
#include <QtTest>

#include <vector>

using namespace rt;

namespace {

// Qt's document layout hangs once a row's foot would pass this.
constexpr double QtHeightLimit = 1 << 23;

// A preview shown at the window's size with the window's 16 px font: laid
// out, as an unshown one is not.
void ShowLikeTheWindow(TRichEdit& edit)
{
    edit.resize(559, 61);
    QFont f = edit.font();
    f.setPixelSize(16);
    edit.setFont(f);
    edit.show();
}

// Lays the whole preview out and returns its height.
double LaidOutHeight(const TRichEdit& edit) { return edit.document()->documentLayout()->documentSize().height(); }

int Rows(const QTextBlock& b) { return b.layout()->lineCount(); }

} // namespace

class PreviewRowsTest : public QObject {
    Q_OBJECT
private slots:
    void breaksStayOneRow_data();
    void breaksStayOneRow();
    void rowBudget_data();
    void rowBudget();
    void rendersPastQtsHeightFoldTheOldest();
};

void PreviewRowsTest::breaksStayOneRow_data()
{
    // A line of breaks between two plain lines; the signs the line shows.
    QTest::addColumn<UnicodeString>("line");
    QTest::addColumn<QString>("shown");
    const auto times = [](const std::u16string& s, int n) {
        std::u16string out;
        out.reserve(s.size() * static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            out += s;
        return out;
    };
    QTest::newRow("458,752 U+2029") << UnicodeString(times(u"\u2029", 458752))
                                    << QString::fromStdU16String(times(u"\uFFFD", 458752));
    QTest::newRow("1 Mi LF") << UnicodeString(times(u"\n", 1 << 20))
                             << QString::fromStdU16String(times(u"\u240A", 1 << 20));
    QTest::newRow("1 Mi CR LF") << UnicodeString(times(u"\r\n", 1 << 20))
                                << QString::fromStdU16String(times(u"\u240D\u240A", 1 << 20));
    QTest::newRow("1 Mi U+2028 between letters")
        << UnicodeString(times(u"x\u2028", 1 << 19)) << QString::fromStdU16String(times(u"x\uFFFD", 1 << 19));
    QTest::newRow("4 Mi LF") << UnicodeString(times(u"\n", 4 << 20))
                             << QString::fromStdU16String(times(u"\u240A", 4 << 20));
}

void PreviewRowsTest::breaksStayOneRow()
{
    QFETCH(UnicodeString, line);
    QFETCH(QString, shown);
    TRichEdit edit;
    ShowLikeTheWindow(edit);
    edit.LinesAdd("first");
    edit.LinesAdd(line);
    edit.LinesAdd("last");
    const double height = LaidOutHeight(edit);
    QCOMPARE(edit.LinesCount(), 3);
    QCOMPARE(edit.TextLength(), 7 + line.Length() + 2 + 6);
    const QTextBlock b = edit.document()->findBlockByNumber(1);
    QCOMPARE(b.text(), shown);
    QCOMPARE(Rows(b), 1);
    QCOMPARE(Rows(b.next()), 1);
    QVERIFY2(height < 100, qPrintable(QString::number(height)));
}

void PreviewRowsTest::rowBudget_data()
{
    // Pixel sizes of the lines added in turn, and how many of the oldest
    // lines are folded before each.
    QTest::addColumn<std::vector<double>>("sizes");
    QTest::addColumn<std::vector<int>>("folds");
    const double limit = TShownRows::HeightLimit / TShownRows::RowFactor;
    QTest::newRow("lines that fit") << std::vector<double>{16, 16, 683} << std::vector<int>{0, 0, 0};
    QTest::newRow("exactly the limit") << std::vector<double>{limit / 2, limit / 2} << std::vector<int>{0, 0};
    // Ten lines fill the limit; the next folds the oldest until the lines
    // shown, the new one with them, take seven eighths of it.
    std::vector<double> tenths(10, limit / 10);
    tenths.push_back(1);
    std::vector<int> tenthFolds(10, 0);
    tenthFolds.push_back(2);
    QTest::newRow("one past the limit") << tenths << tenthFolds;
    QTest::newRow("a line as high as the limit") << std::vector<double>{16, 16, limit} << std::vector<int>{0, 0, 2};
    QTest::newRow("a line higher than the limit")
        << std::vector<double>{16, 2 * limit, 16} << std::vector<int>{0, 1, 1};
}

void PreviewRowsTest::rowBudget()
{
    QFETCH(std::vector<double>, sizes);
    QFETCH(std::vector<int>, folds);
    TShownRows rows;
    int first = 0;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        QCOMPARE(rows.Add(sizes[i]), folds[i]);
        first += folds[i];
        QCOMPARE(rows.FirstShown(), first);
    }
    rows.Clear();
    QCOMPARE(rows.FirstShown(), 0);
    QCOMPARE(rows.Add(16), 0);
}

void PreviewRowsTest::rendersPastQtsHeightFoldTheOldest()
{
    // Lines rendered at the largest size the font dialog offers, past the
    // height at which Qt's layout would hang (about 10,500 rows of 796 px).
    FakeView view;
    ShowLikeTheWindow(view.preview);
    QFont f = view.preview.font();
    f.setPointSize(512);
    view.preview.setFont(f);
    const int lines = 11000;
    for (int i = 0; i < lines; ++i) {
        TRTFLine job(view, T({C, "04", "r", B, "b"}) + UnicodeString(i));
        job.DoSynchronize();
    }
    TRichEdit& rtf = view.preview;
    const double height = LaidOutHeight(rtf);
    QVERIFY2(height < QtHeightLimit, qPrintable(QString::number(height)));
    QCOMPARE(rtf.LinesCount(), lines);
    QTextDocument& doc = *rtf.document();
    QVERIFY(!doc.firstBlock().isVisible());
    QVERIFY(doc.lastBlock().isVisible());
    QCOMPARE(doc.lastBlock().text(), QString("rb10999"));
    // A folded line keeps its text, its place and its formats.
    QCOMPARE(doc.firstBlock().text(), QString("rb0"));
    QCOMPARE(rtf.TextLength(), [&] {
        int n = 0;
        for (int i = 0; i < lines; ++i)
            n += 2 + static_cast<int>(std::to_string(i).size()) + 2;
        return n;
    }());
    QCOMPARE(ColorMap(rtf, 0, 3), QString("rrr"));
    QCOMPARE(StyleMap(rtf, 0, 3, fsBold), QString("011"));
    QCOMPARE(SizeMap(rtf, 0, 3), QString("512,512,512"));
    // Lines are folded away in eighths of the height, never all.
    int shown = 0;
    for (QTextBlock b = doc.firstBlock(); b.isValid(); b = b.next())
        shown += b.isVisible();
    QVERIFY2(shown > 2000 && shown < 3000, qPrintable(QString::number(shown)));
}

QTEST_MAIN(PreviewRowsTest)
#include "PreviewRowsTest.moc"
