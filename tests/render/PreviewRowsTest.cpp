// The preview's rows on lines Qt's layout cannot place as they come: lines of
// breaks stay one row, and a preview whose rows would reach 2^23 pixels folds
// its oldest lines away, losing none of its text, length or positions.
#include "RTFLine.h"
#include "RenderTestSupport.h"
#include "RowHeights.h"
#include "ShownRows.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QTextLayout>
#include <QtTest>

#include <algorithm>
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

// The installed family whose faces take the tallest rows.
QString TallestFamily()
{
    QString tallest;
    double most = 0;
    for (const QString& family : QFontDatabase::families()) {
        QFont f(family);
        f.setPixelSize(1000);
        const QRawFont raw = QRawFont::fromFont(f);
        const double row = raw.ascent() + raw.descent() + std::max(0.0, raw.leading());
        if (row > most) {
            most = row;
            tallest = family;
        }
    }
    return tallest;
}

// Up to 64 characters that family holds and other does not, which Qt draws
// from another face than other's.
UnicodeString OwnCharacters(const QString& family, const QString& other)
{
    const QRawFont own = QRawFont::fromFont(QFont(family));
    const QRawFont not_ = QRawFont::fromFont(QFont(other));
    std::u16string s;
    for (char32_t c = 0x21; c < 0x30000 && s.size() < 128; ++c)
        if (!QChar::isSurrogate(c) && QChar::isPrint(c) && own.supportsCharacter(c) && !not_.supportsCharacter(c)) {
            const QString one = QString::fromUcs4(&c, 1);
            s += one.toStdU16String();
        }
    return UnicodeString(s);
}

// Every unit from the blank on, breaks, codes and lone surrogates among them.
UnicodeString EveryUnit()
{
    std::u16string s;
    for (int u = 0x20; u <= 0xFFFF; ++u)
        s.push_back(static_cast<char16_t>(u));
    return UnicodeString(s);
}

} // namespace

class PreviewRowsTest : public QObject {
    Q_OBJECT
private slots:
    void breaksStayOneRow_data();
    void breaksStayOneRow();
    void rowBudget_data();
    void rowBudget();
    void remeasuredRowsFoldTheOldest();
    void rowsStayWithinTheirBound_data();
    void rowsStayWithinTheirBound();
    void rendersPastQtsHeightFoldTheOldest();
    void aTallerFontFoldsFirst();
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
                                    << QString::fromStdU16String(times(u"\u00B6", 458752));
    QTest::newRow("1 Mi LF") << UnicodeString(times(u"\n", 1 << 20))
                             << QString::fromStdU16String(times(u"\u2193", 1 << 20));
    QTest::newRow("1 Mi CR LF") << UnicodeString(times(u"\r\n", 1 << 20))
                                << QString::fromStdU16String(times(u"\u2190\u2193", 1 << 20));
    QTest::newRow("1 Mi U+2028 between letters")
        << UnicodeString(times(u"x\u2028", 1 << 19)) << QString::fromStdU16String(times(u"x\u21B5", 1 << 19));
    QTest::newRow("4 Mi LF") << UnicodeString(times(u"\n", 4 << 20))
                             << QString::fromStdU16String(times(u"\u2193", 4 << 20));
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
    // Heights of the lines added in turn, and how many of the oldest lines
    // are folded before each.
    QTest::addColumn<std::vector<double>>("heights");
    QTest::addColumn<std::vector<int>>("folds");
    const double limit = TShownRows::HeightLimit;
    QTest::newRow("lines that fit") << std::vector<double>{19, 19, 800} << std::vector<int>{0, 0, 0};
    QTest::newRow("exactly the limit") << std::vector<double>{limit / 2, limit / 2} << std::vector<int>{0, 0};
    // Ten lines fill the limit; the next folds the oldest until the lines
    // shown, the new one with them, take seven eighths of it.
    std::vector<double> tenths(10, limit / 10);
    tenths.push_back(1);
    std::vector<int> tenthFolds(10, 0);
    tenthFolds.push_back(2);
    QTest::newRow("one past the limit") << tenths << tenthFolds;
    QTest::newRow("a line as high as the limit") << std::vector<double>{19, 19, limit} << std::vector<int>{0, 0, 2};
    QTest::newRow("a line higher than the limit")
        << std::vector<double>{19, 2 * limit, 19} << std::vector<int>{0, 1, 1};
}

void PreviewRowsTest::rowBudget()
{
    QFETCH(std::vector<double>, heights);
    QFETCH(std::vector<int>, folds);
    TShownRows rows;
    int first = 0;
    for (std::size_t i = 0; i < heights.size(); ++i) {
        QCOMPARE(rows.Add(16, heights[i]), folds[i]);
        first += folds[i];
        QCOMPARE(rows.FirstShown(), first);
    }
    rows.Clear();
    QCOMPARE(rows.FirstShown(), 0);
    QCOMPARE(rows.Add(16, 19), 0);
}

void PreviewRowsTest::remeasuredRowsFoldTheOldest()
{
    // Ten lines take half the limit; in a font twice as tall they take it
    // all, and a little more folds the oldest down to seven eighths.
    TShownRows rows;
    const double tenth = TShownRows::HeightLimit / 20;
    for (int i = 0; i < 10; ++i)
        QCOMPARE(rows.Add(10 + i, tenth), 0);
    std::vector<double> asked;
    QCOMPARE(rows.Remeasure([&](int i, double px) {
        asked.push_back(px);
        return 2 * tenth + (i == 9 ? 1 : 0);
    }),
             2);
    QCOMPARE(asked, (std::vector<double>{10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    QCOMPARE(rows.FirstShown(), 2);
    QCOMPARE(rows.Remeasure([&](int, double) { return tenth; }), 0);
}

void PreviewRowsTest::rowsStayWithinTheirBound_data()
{
    // Lines rendered in a font, and the font the preview has then: the
    // window's, the tallest installed, each at the window's size and the
    // largest the font dialog offers.
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<UnicodeString>("line");
    const QString tallest = TallestFamily();
    const UnicodeString latin = T({"<nick> ", B, "bold ", C, "04red ", I, "it ", U, "line"})
                                + UnicodeString(u" \u00E9t\u00E9 a\u0301 \u2190\u2193\u21B5\u00B6\u27E6\u27E7");
    for (const int points : {12, 512}) {
        const QString at = QString(" at %1 pt").arg(points);
        QTest::newRow(qPrintable("window's font, Latin" + at)) << QString("Segoe UI Symbol") << points << latin;
        QTest::newRow(qPrintable("window's font, the tallest font's own" + at))
            << QString("Segoe UI Symbol") << points << OwnCharacters(tallest, "Segoe UI Symbol");
        QTest::newRow(qPrintable("window's font, every unit" + at))
            << QString("Segoe UI Symbol") << points << EveryUnit();
        QTest::newRow(qPrintable(tallest + ", Latin" + at)) << tallest << points << latin;
        QTest::newRow(qPrintable(tallest + ", its own" + at))
            << tallest << points << OwnCharacters(tallest, "Segoe UI Symbol");
    }
}

void PreviewRowsTest::rowsStayWithinTheirBound()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(UnicodeString, line);
    FakeView view;
    ShowLikeTheWindow(view.preview);
    QFont f = view.preview.font();
    f.setFamily(family);
    f.setPointSize(points);
    view.preview.setFont(f);
    TRTFLine job(view, line);
    job.DoSynchronize();
    TRichEdit& rtf = view.preview;
    const QTextBlock b = rtf.document()->lastBlock();
    const double laidOut = rtf.document()->documentLayout()->blockBoundingRect(b).height();
    const double px = points * rtf.logicalDpiY() / 72.0;
    TRowHeights heights;
    const double bound = heights.Tallest(b.text(), rtf.font(), px);
    QVERIFY2(laidOut <= bound, qPrintable(QString("row %1 px, bound %2 px").arg(laidOut).arg(bound)));
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
    TRichEdit& rtf = view.preview;
    QTextDocument& doc = *rtf.document();
    double atFirstFold = 0;
    for (int i = 0; i < lines; ++i) {
        const double before = LaidOutHeight(rtf);
        TRTFLine job(view, T({C, "04", "r", B, "b"}) + UnicodeString(i));
        job.DoSynchronize();
        if (atFirstFold == 0 && !doc.firstBlock().isVisible())
            atFirstFold = before;
    }
    const double height = LaidOutHeight(rtf);
    QVERIFY2(height < QtHeightLimit, qPrintable(QString::number(height)));
    // The bound of a row keeps close to it: most of the height Qt can place
    // is laid out before the first line is folded.
    QVERIFY2(atFirstFold > TShownRows::HeightLimit * 0.9, qPrintable(QString::number(atFirstFold)));
    QCOMPARE(rtf.LinesCount(), lines);
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
    // Lines are folded away in eighths of the height, never all: the rows
    // shown take between seven eighths of it and all of it.
    int shown = 0;
    for (QTextBlock b = doc.firstBlock(); b.isValid(); b = b.next())
        shown += b.isVisible();
    TRowHeights heights;
    const double row = heights.Tallest(doc.lastBlock().text(), rtf.font(), 512 * rtf.logicalDpiY() / 72.0);
    QVERIFY2(shown * row <= TShownRows::HeightLimit && shown * row >= TShownRows::HeightLimit * 7 / 8 - 2 * row,
             qPrintable(QString("%1 lines of %2 px").arg(shown).arg(row)));
}

void PreviewRowsTest::aTallerFontFoldsFirst()
{
    // As many lines at 512 pt as fit without a fold, each with a character
    // that the tallest installed font lacks; chosen then, that font takes
    // their rows past the height Qt can place, and the oldest are folded
    // before the preview lays them out in it.
    const QString tallest = TallestFamily();
    const UnicodeString own = OwnCharacters("Segoe UI Symbol", tallest);
    if (own.IsEmpty())
        QSKIP("the tallest font installed holds every character of the window's");
    const UnicodeString line = UnicodeString("line ") + own.SubString(1, 1);
    FakeView view;
    ShowLikeTheWindow(view.preview);
    TRichEdit& rtf = view.preview;
    QFont f = rtf.font();
    f.setPointSize(512);
    rtf.setFont(f);
    QFont taller = f;
    taller.setFamily(tallest);
    const double px = 512 * rtf.logicalDpiY() / 72.0;
    TRowHeights heights;
    const QString shown = ToQString(line);
    const int lines = static_cast<int>((TShownRows::HeightLimit - 1) / heights.Tallest(shown, f, px));
    if (lines * heights.Tallest(shown, taller, px) <= TShownRows::HeightLimit)
        QSKIP("the tallest font installed takes rows too close to the window's font's");
    for (int i = 0; i < lines; ++i) {
        TRTFLine job(view, line);
        job.DoSynchronize();
    }
    QVERIFY(rtf.document()->firstBlock().isVisible());
    rtf.TakeFont(taller);
    QVERIFY(!rtf.document()->firstBlock().isVisible());
    const double height = LaidOutHeight(rtf);
    QVERIFY2(height < QtHeightLimit, qPrintable(QString::number(height)));
    QCOMPARE(rtf.LinesCount(), lines);
}

QTEST_MAIN(PreviewRowsTest)
#include "PreviewRowsTest.moc"
