// "Font" on a preview that already holds rendered lines: the preview must
// end with the font and the look that the six copies give when made one
// after the other, each a change of the control's font of its own.
#include "PreviewFont.h"
#include "AppTestSupport.h"
#include "FontChooserDialog.h"
#include "FontDialog.h"
#include "RenderTestSupport.h"
#include "RichEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QFontInfo>
#include <QGlyphRun>
#include <QLineEdit>
#include <QPushButton>
#include <QRawFont>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace at;

Q_DECLARE_METATYPE(TFont)

namespace {

// Lines with both region markers, colours, every style and a reset; the
// preview font's size changes between them, so that their sizes differ.
// More lines than the preview shows at once.
QStringList PreviewLines()
{
    QStringList lines;
    for (int i = 0; i < 6; ++i) {
        lines << Q({u'\x2022', "lead> body ", u'\x02', "bold", u'\x02', " ", u'\x03', "04red ", u'\x1F', "under",
                    u'\x1F', " ", u'\x1D', "italic ", u'\x1E', "strike", u'\x0F', " plain"});
        lines << Q({"no markers ", u'\x03', "12,01blue on black ", u'\x03', "00white"});
    }
    return lines;
}

// Renders the lines with "Line", the preview's font size going 12, 10, 16.
void RenderLines(TForm1& form)
{
    TControlFont preview(*form.TestRTF);
    const int sizes[] = {12, 10, 16};
    int i = 0;
    for (const QString& line : PreviewLines()) {
        preview.SetSize(sizes[i++ % 3]);
        form.IRCEdit->setText(line);
        QTest::mouseClick(form.Button2, Qt::LeftButton);
    }
}

// The copies one after the other, as the command made them before they
// reached the preview as one change.
void CopyOneByOne(TForm1& form, const TFont& chosen)
{
    form.TestRTF->setFocus();
    form.TestRTF->selectAll();
    TControlFont preview(*form.TestRTF);
    preview.SetCharset(chosen.Charset);
    preview.SetColor(chosen.Color);
    preview.SetHeight(chosen.Height);
    preview.SetName(chosen.Name);
    preview.SetPitch(chosen.Pitch);
    preview.SetSize(chosen.Size);
}

// The font every character is drawn with, as its format resolves against
// the preview's font, with its colour.
QStringList CharacterFonts(const TRichEdit& edit)
{
    QStringList out;
    for (int p = 0; p < edit.document()->characterCount() - 1; ++p) {
        const QTextCharFormat format = rt::FormatAt(edit, p);
        const QFont f = format.font();
        out << QStringLiteral("%1 (%2) %3pt %4px w%5 i%6 u%7 s%8 fixed%9 %10")
                   .arg(f.family(), QFontInfo(f).family())
                   .arg(f.pointSizeF())
                   .arg(f.pixelSize())
                   .arg(f.weight())
                   .arg(f.italic())
                   .arg(f.underline())
                   .arg(f.strikeOut())
                   .arg(f.fixedPitch())
                   .arg(format.foreground().color().name());
    }
    return out;
}

// The fonts the laid-out lines were shaped with, line by line.
QStringList ShapedFonts(const TRichEdit& edit)
{
    QStringList out;
    for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next()) {
        QStringList runs;
        for (const QGlyphRun& run : b.layout()->glyphRuns())
            runs << QStringLiteral("%1 %2px").arg(run.rawFont().familyName()).arg(run.rawFont().pixelSize());
        out << runs.join(", ");
    }
    return out;
}

// The formats the characters hold: colour (- for none), size and styles.
QStringList FormatMaps(const TRichEdit& edit)
{
    const int n = edit.document()->characterCount();
    QStringList colors;
    for (int p = 0; p < n; ++p) {
        const QTextCharFormat f = rt::FormatAt(edit, p);
        colors << (f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color().name() : QString("-"));
    }
    return {colors.join(','),
            rt::SizeMap(edit, 0, n),
            rt::StyleMap(edit, 0, n, fsBold),
            rt::StyleMap(edit, 0, n, fsItalic),
            rt::StyleMap(edit, 0, n, fsUnderline),
            rt::StyleMap(edit, 0, n, fsStrikeOut)};
}

// What the preview holds and shows.
struct Shown {
    QFont font;
    int size = 0;
    TFontStyles style = 0;
    QColor color;
    int charset = 0;
    QStringList formats, characters, shaped;
    int selectionStart = 0, selectionEnd = 0;
    bool focused = false;
    // The preview where the command left it, scrolled to its first line,
    // and there with the selection gone, the colours shown.
    QImage atEnd, atTop, deselected;
};

Shown ShownBy(TForm1& form)
{
    TRichEdit& edit = *form.TestRTF;
    Shown s;
    s.font = edit.font();
    s.size = edit.FontSize();
    s.style = edit.FontStyle();
    s.color = edit.FontColor();
    s.charset = TControlFont(edit).Get().Charset;
    s.formats = FormatMaps(edit);
    s.characters = CharacterFonts(edit);
    s.atEnd = edit.grab().toImage();
    edit.verticalScrollBar()->setValue(0);
    edit.horizontalScrollBar()->setValue(0);
    s.atTop = edit.grab().toImage();
    s.shaped = ShapedFonts(edit);
    s.selectionStart = edit.textCursor().selectionStart();
    s.selectionEnd = edit.textCursor().selectionEnd();
    s.focused = form.focusWidget() == &edit;
    QTextCursor c = edit.textCursor();
    c.setPosition(0);
    edit.setTextCursor(c);
    s.deselected = edit.grab().toImage();
    return s;
}

} // namespace

class PreviewFontTest : public QObject {
    Q_OBJECT
private slots:
    void sameAsCopiesOneByOne_data();
    void sameAsCopiesOneByOne();
    void changeCollectsTheCopies();
    void largestSizeAfterALineOfBreaks();
};

void PreviewFontTest::sameAsCopiesOneByOne_data()
{
    QTest::addColumn<TFont>("chosen");
    using P = TFontPitch;
    QTest::newRow("serif 14, red, Greek, bold asked") << TFont{.Charset = 161,
                                                               .Color = 0x0000FF,
                                                               .Height = HeightFromSize(14),
                                                               .Name = "DejaVu Serif",
                                                               .Pitch = P::fpVariable,
                                                               .Size = 14,
                                                               .Style = fsBold};
    QTest::newRow("mono 9, fixed pitch, green") << TFont{.Charset = 0,
                                                         .Color = 0x00FF00,
                                                         .Height = HeightFromSize(9),
                                                         .Name = "DejaVu Sans Mono",
                                                         .Pitch = P::fpFixed,
                                                         .Size = 9};
    QTest::newRow("height only, 20 px") << TFont{.Charset = 1, .Color = 0xFFFFFF, .Height = -20, .Name = "DejaVu Sans"};
    QTest::newRow("neither size nor height") << TFont{.Color = 0x808080, .Name = "Nimbus Sans"};
    QTest::newRow("family not installed")
        << TFont{.Color = 0xFFFFFF, .Height = HeightFromSize(22), .Name = "No Such Family", .Size = 22};
    QTest::newRow("the start font again")
        << TFont{.Charset = 254, .Color = 0xFFFFFF, .Height = -16, .Name = "Segoe UI Symbol", .Size = 12};
}

void PreviewFontTest::sameAsCopiesOneByOne()
{
    QFETCH(TFont, chosen);
    Shown expected;
    {
        StartedWindow window;
        TForm1& form = window.Form();
        QVERIFY(window.ShowActive());
        RenderLines(form);
        CopyOneByOne(form, chosen);
        expected = ShownBy(form);
    }
    StartedWindow window;
    TForm1& form = window.Form();
    QVERIFY(window.ShowActive());
    RenderLines(form);
    const QStringList formatsBefore = FormatMaps(*form.TestRTF);
    form.FontDialog1->SetChooser([&](TFont& font) {
        font = chosen;
        return true;
    });
    const FontChanges changes(*form.TestRTF);
    form.Font1->trigger();
    QVERIFY(changes.count <= 1);
    const Shown shown = ShownBy(form);

    QCOMPARE(shown.font, expected.font);
    QCOMPARE(shown.font.resolveMask(), expected.font.resolveMask());
    QCOMPARE(shown.size, expected.size);
    QCOMPARE(shown.style, expected.style);
    QCOMPARE(shown.color, expected.color);
    QCOMPARE(shown.charset, expected.charset);
    QCOMPARE(shown.formats, formatsBefore); // the command formats nothing
    QCOMPARE(shown.formats, expected.formats);
    QCOMPARE(shown.characters, expected.characters);
    QCOMPARE(shown.shaped, expected.shaped);
    QCOMPARE(shown.selectionStart, 0);
    QCOMPARE(shown.selectionEnd, form.TestRTF->document()->characterCount() - 1);
    QCOMPARE(shown.selectionEnd, expected.selectionEnd);
    QVERIFY(shown.focused && expected.focused);
    QVERIFY(shown.atEnd == expected.atEnd);
    QVERIFY(shown.atTop == expected.atTop);
    QVERIFY(shown.deselected == expected.deselected);
}

void PreviewFontTest::changeCollectsTheCopies()
{
    StartedWindow window;
    TRichEdit& edit = *window.Form().TestRTF;
    const QFont before = edit.font();
    TControlFont preview(edit);
    const FontChanges changes(edit);
    {
        const TControlFont::Change change(preview);
        preview.SetCharset(161);
        preview.SetColor(0x0000FF);
        preview.SetName("DejaVu Serif");
        preview.SetSize(20);
        // Charset and colour are the control's at once; the font waits for
        // the end of the change, and reads back as it will be.
        QCOMPARE(edit.property(TControlFont::CharsetProperty).toInt(), 161);
        QCOMPARE(edit.FontColor(), QColor(255, 0, 0));
        QCOMPARE(edit.font(), before);
        QCOMPARE(changes.count, 0);
        QCOMPARE(preview.Get().Name, QString("DejaVu Serif"));
        QCOMPARE(preview.Get().Size, 20);
    }
    QCOMPARE(changes.count, 1);
    QCOMPARE(edit.font().family(), QString("DejaVu Serif"));
    QCOMPARE(edit.FontSize(), 20);
    // Without a change every setter is the control's at once.
    preview.SetSize(9);
    QCOMPARE(edit.FontSize(), 9);
    QCOMPARE(changes.count, 2);
}

void PreviewFontTest::largestSizeAfterALineOfBreaks()
{
    // A row that holds only a break would take the height of the preview's
    // font: 300,000 of them at the largest size the dialog offers would
    // reach far past the 2^23 pixels Qt's layout can place.
    StartedWindow window;
    TForm1& form = window.Form();
    QVERIFY(window.ShowActive());
    const QString line(300000, QChar(u'\n'));
    form.IRCEdit->setText(line);
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    form.FontDialog1->SetChooser([](TFont& font) {
        font.Size = TFontChooserDialog::MaxSize;
        font.Height = HeightFromSize(font.Size);
        return true;
    });
    form.Font1->trigger();
    TRichEdit& edit = *form.TestRTF;
    QCOMPARE(edit.FontSize(), TFontChooserDialog::MaxSize);
    QCOMPARE(edit.LinesCount(), 1);
    QCOMPARE(edit.TextLength(), line.size() + 2);
    QVERIFY(edit.document()->documentLayout()->documentSize().height() < 1 << 23);
    QCOMPARE(form.IRCEdit->text(), line);
}

QTEST_MAIN(PreviewFontTest)
#include "PreviewFontTest.moc"
