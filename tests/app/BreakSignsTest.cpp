// The signs shown for line breaks as a user meets them: each kind has its
// own, none is a blank or U+FFFD, and the memo and the preview of the window
// as start-up builds it draw every one with a glyph of its font or of a
// fallback, not as the box of a missing one.
#include "BreakSigns.h"
#include "AppTestSupport.h"
#include "RichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QGlyphRun>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>
#include <set>

using namespace at;

namespace {

// Every unit a Qt text control breaks a line at.
const char16_t Breaks[] = {u'\n', u'\r', 0x2028, 0x2029, 0xFDD0, 0xFDD1};

// A line with each break between letters, CR LF among them, and a U+FFFD of
// its own.
QString LineOfBreaks() { return QString::fromStdU16String(u"ab\ncd\r\nef\u2029gh\u2028ij\uFDD0kl\uFDD1mn\uFFFDop"); }

// Where block's text holds a sign, and whether its layout draws each with
// a glyph; the block laid out first, as the view lays out what it shows.
QStringList SignsWithoutGlyph(const QTextBlock& block, QAbstractTextDocumentLayout& layout)
{
    layout.blockBoundingRect(block);
    const QString text = block.text();
    QStringList missing;
    int signs = 0;
    for (const char16_t unit : Breaks) {
        const int at = static_cast<int>(text.indexOf(QChar(BreakSign(unit))));
        if (at < 0)
            continue;
        ++signs;
        const QList<QGlyphRun> runs = block.layout()->glyphRuns(at, 1);
        bool drawn = !runs.isEmpty();
        for (const QGlyphRun& run : runs)
            for (const quint32 glyph : run.glyphIndexes())
                drawn = drawn && glyph != 0;
        if (!drawn)
            missing << QStringLiteral("U+%1").arg(int(BreakSign(unit)), 4, 16, QChar('0'));
    }
    if (signs != int(std::size(Breaks)))
        missing << QStringLiteral("only %1 signs in \"%2\"").arg(signs).arg(text);
    return missing;
}

} // namespace

class BreakSignsTest : public QObject {
    Q_OBJECT
private slots:
    void everyKindHasASignOfItsOwn();
    void theWindowDrawsEverySign_data();
    void theWindowDrawsEverySign();
};

void BreakSignsTest::everyKindHasASignOfItsOwn()
{
    std::set<char16_t> signs;
    for (const char16_t unit : Breaks) {
        const char16_t sign = BreakSign(unit);
        QVERIFY2(sign != u' ' && sign != QChar::ReplacementCharacter && QChar::isPrint(sign),
                 qPrintable(QString::number(unit, 16)));
        // A sign breaks nothing itself, so it shows as it is.
        QCOMPARE(BreakSign(sign), sign);
        signs.insert(sign);
    }
    QCOMPARE(signs.size(), std::size(Breaks));
}

void BreakSignsTest::theWindowDrawsEverySign_data()
{
    QTest::addColumn<int>("points");
    QTest::newRow("the preview's first font") << 0;
    QTest::newRow("the preview at 72 pt") << 72;
}

void BreakSignsTest::theWindowDrawsEverySign()
{
    QFETCH(int, points);
    StartedWindow window;
    TForm1& form = window.Form();
    QVERIFY(window.ShowActive());
    if (points > 0) {
        QFont f = form.TestRTF->font();
        f.setPointSize(points);
        form.TestRTF->TakeFont(f);
    }
    form.IRCEdit->setText(LineOfBreaks());
    QTest::mouseClick(form.Button2, Qt::LeftButton);

    QTextDocument& memo = *form.ResultMemo->document();
    const QTextBlock cleaned = memo.find(QStringLiteral("Line after ColorParser: ")).block();
    QVERIFY(cleaned.isValid());
    const QStringList inMemo = SignsWithoutGlyph(cleaned, *memo.documentLayout());
    QVERIFY2(inMemo.isEmpty(), qPrintable(inMemo.join(", ")));

    QTextDocument& preview = *form.TestRTF->document();
    const QStringList inPreview = SignsWithoutGlyph(preview.lastBlock(), *preview.documentLayout());
    QVERIFY2(inPreview.isEmpty(), qPrintable(inPreview.join(", ")));
}

QTEST_MAIN(BreakSignsTest)
#include "BreakSignsTest.moc"
