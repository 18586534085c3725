// The preview control: its lines and length, its selection and the
// attributes set on it, and the Qt behaviour its speed rests on.
#include "RenderTestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTextLayout>
#include <QtTest>

#include <climits>

using namespace rt;

namespace {

// What the window of a widget shows on its screen.
QImage Screen(QWidget& widget)
{
    return widget.windowHandle()
        ->screen()
        ->grabWindow(widget.winId())
        .toImage()
        .convertToFormat(widget.grab().toImage().format());
}

} // namespace

class RichEditTest : public QObject {
    Q_OBJECT
private slots:
    void linesAndLength()
    {
        TRichEdit edit;
        QCOMPARE(edit.LinesCount(), 0);
        QCOMPARE(edit.TextLength(), 0);
        edit.LinesAdd("abc");
        QCOMPARE(edit.LinesCount(), 1);
        QCOMPARE(edit.TextLength(), 5); // abc CR LF
        edit.LinesAdd("de");
        QCOMPARE(edit.LinesCount(), 2);
        QCOMPARE(edit.TextLength(), 9);
        // Text length less the line count: where the next line starts.
        QCOMPARE(edit.TextLength() - edit.LinesCount(), 7);
        QCOMPARE(StoredText(edit), QString("abc") + QChar(QChar::ParagraphSeparator) + "de");
    }

    void lineKeptAsOneLine_data()
    {
        QTest::addColumn<UnicodeString>("line");
        QTest::addColumn<QString>("stored");
        // Breaks show as the signs the memo shows for them.
        QTest::newRow("markup stays text") << T({"<b>x</b> &amp;"}) << QString("<b>x</b> &amp;");
        QTest::newRow("breaks") << UnicodeString(u"a\rb\nc\u2029d")
                                << QString::fromStdU16String(u"a\u2190b\u2193c\u00B6d");
        QTest::newRow("CR LF") << UnicodeString(u"a\r\nb") << QString::fromStdU16String(u"a\u2190\u2193b");
        QTest::newRow("frame marks") << UnicodeString(u"a\uFDD0b\uFDD1")
                                     << QString::fromStdU16String(u"a\u27E6b\u27E7");
        QTest::newRow("no-break space") << UnicodeString(u"a\u00A0b") << QString::fromStdU16String(u"a\u00A0b");
        const std::u16string lone{u'x', char16_t(0xD800), u'y', char16_t(0xDC00)};
        QTest::newRow("lone surrogates") << UnicodeString(lone) << QString::fromStdU16String(lone);
        const std::u16string odd{u'a', char16_t(0), char16_t(0xFFFC), char16_t(0x2028), u'b'};
        QTest::newRow("nul, object mark, line separator")
            << UnicodeString(odd) << QString::fromStdU16String(std::u16string(u"a\0\uFFFC\u21B5b", 5));
        QTest::newRow("codes") << T({B, "a", C, "04", G}) << Q(T({B, "a", C, "04", G}));
    }
    void lineKeptAsOneLine()
    {
        QFETCH(UnicodeString, line);
        QFETCH(QString, stored);
        TRichEdit edit;
        edit.LinesAdd("first");
        edit.LinesAdd(line);
        edit.LinesAdd("last");
        QCOMPARE(edit.LinesCount(), 3);
        QCOMPARE(edit.document()->findBlockByNumber(1).text(), stored);
        QCOMPARE(edit.TextLength(), 5 + 2 + line.Length() + 2 + 4 + 2);
    }

    void selectionClamped_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        // The document holds "abc" and "de": positions 0..6.
        QTest::newRow("inside") << 1 << 2 << 1 << 2;
        QTest::newRow("across the break") << 2 << 3 << 2 << 3;
        QTest::newRow("negative start") << -5 << 2 << 0 << 2;
        QTest::newRow("negative length") << 3 << -1 << 3 << 0;
        QTest::newRow("past the end") << 5 << 10 << 5 << 1;
        QTest::newRow("start past the end") << 40 << 5 << 6 << 0;
        QTest::newRow("largest values") << INT_MAX << INT_MAX << 6 << 0;
        QTest::newRow("smallest values") << INT_MIN << INT_MIN << 0 << 0;
        QTest::newRow("long from inside") << 1 << INT_MAX << 1 << 5;
    }
    void selectionClamped()
    {
        QFETCH(int, start);
        QFETCH(int, length);
        TRichEdit edit;
        edit.LinesAdd("abc");
        edit.LinesAdd("de");
        edit.SetSelStart(start);
        QCOMPARE(edit.SelLength(), 0);
        edit.SetSelLength(length);
        QTEST(edit.SelStart(), "selStart");
        QTEST(edit.SelLength(), "selLength");
    }

    void selectionOnEmptyPreview()
    {
        TRichEdit edit;
        edit.SetSelStart(3);
        edit.SetSelLength(4);
        QCOMPARE(edit.SelStart(), 0);
        QCOMPARE(edit.SelLength(), 0);
        edit.SetSelColor(Qt::red);
        edit.SetSelStyleOn(fsBold, true);
        QVERIFY(edit.document()->isEmpty());
    }

    void selectAllAndClear()
    {
        TRichEdit edit;
        edit.LinesAdd("abc");
        edit.LinesAdd("de");
        edit.SetSelStart(0);
        edit.SetSelLength(2);
        edit.SetSelColor(ColorFromTColor(0x0000FF));
        edit.SelectAll();
        QCOMPARE(edit.SelStart(), 0);
        QCOMPARE(edit.SelLength(), 6);
        edit.ClearSelection();
        QCOMPARE(edit.SelLength(), 0);
        QCOMPARE(StoredText(edit), QString("abc") + QChar(QChar::ParagraphSeparator) + "de");
        QCOMPARE(ColorMap(edit, 0, 3), QString("rr-"));
    }

    // Each attribute call sets its own property and leaves the others.
    void attributesMerge()
    {
        TRichEdit edit;
        edit.LinesAdd("abcd");
        edit.SetSelStart(0);
        edit.SetSelLength(2);
        edit.SetSelStyleOn(fsBold, true);
        edit.SetSelColor(ColorFromTColor(0x0000FF));
        edit.SetSelStart(1);
        edit.SetSelLength(3);
        edit.SetSelStyleOn(fsItalic, true);
        edit.SetSelSize(20);
        QCOMPARE(StyleMap(edit, 0, 4, fsBold), QString("1100"));
        QCOMPARE(StyleMap(edit, 0, 4, fsItalic), QString("0111"));
        QCOMPARE(ColorMap(edit, 0, 4), QString("rr--"));
        QCOMPARE(SizeMap(edit, 0, 4), QString("-,20,20,20"));
        edit.SetSelStart(0);
        edit.SetSelLength(4);
        edit.SetSelStyle(fsUnderline | fsStrikeOut);
        QCOMPARE(StyleMap(edit, 0, 4, fsBold), QString("0000"));
        QCOMPARE(StyleMap(edit, 0, 4, fsItalic), QString("0000"));
        QCOMPARE(StyleMap(edit, 0, 4, fsUnderline), QString("1111"));
        QCOMPARE(StyleMap(edit, 0, 4, fsStrikeOut), QString("1111"));
        QCOMPARE(ColorMap(edit, 0, 4), QString("rr--"));
    }

    // A new line does not take on the look of the character before it.
    void newLineStartsPlain()
    {
        TRichEdit edit;
        edit.LinesAdd("ab");
        edit.SetSelStart(0);
        edit.SetSelLength(2);
        edit.SetSelColor(ColorFromTColor(0x0000FF));
        edit.SetSelStyle(fsBold | fsItalic);
        edit.ClearSelection();
        edit.LinesAdd("cd");
        QCOMPARE(ColorMap(edit, 3, 2), QString("--"));
        QCOMPARE(StyleMap(edit, 3, 2, fsBold), QString("00"));
        QCOMPARE(StyleMap(edit, 3, 2, fsItalic), QString("00"));
    }

    // Positions count UTF-16 units, a surrogate pair as two.
    void surrogatePairsCountTwo()
    {
        TRichEdit edit;
        edit.LinesAdd(UnicodeString(u"a\U0001F600bc"));
        edit.SetSelStart(3);
        edit.SetSelLength(1);
        edit.SetSelColor(ColorFromTColor(0x0000FF));
        QCOMPARE(ColorMap(edit, 0, 5), QString("---r-"));
    }

    // The runs of a line are formatted inside an edit block: the document
    // reports them as one change, when the block closes, and its layout
    // redoes the line once.
    void editBlockReportsOnce()
    {
        TRichEdit edit;
        edit.LinesAdd("abcdefgh");
        int changes = 0;
        connect(edit.document(), &QTextDocument::contentsChange, &edit, [&](int, int, int) { ++changes; });
        {
            const TRichEdit::UpdateBlock block(edit);
            for (int at : {0, 2, 4}) {
                edit.SetSelStart(at);
                edit.SetSelLength(2);
                edit.SetSelStyleOn(fsBold, true);
            }
            QCOMPARE(changes, 0);
        }
        QCOMPARE(changes, 1);
    }

    // The last line's layout keeps its cache through the formatting and
    // the layout that follow its append: a block keeps its QTextLayout.
    void lastLineKeepsItsCacheThroughFormatting()
    {
        TRichEdit edit;
        edit.LinesAdd("earlier");
        edit.LinesAdd("abcdefgh");
        {
            const TRichEdit::UpdateBlock block(edit);
            edit.SetSelStart(10);
            edit.SetSelLength(3);
            edit.SetSelAttributes(ColorFromTColor(0x0000FF), 20, fsBold, 0);
        }
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        const QTextDocument& doc = *edit.document();
        QVERIFY(doc.lastBlock().layout()->lineCount() > 0);
        QVERIFY(doc.lastBlock().layout()->cacheEnabled());
        QVERIFY(!doc.firstBlock().layout()->cacheEnabled());
    }

    // A line added under a LineLayoutHold stays out of the layout until
    // the hold ends, while the edit block's end lays out the line above
    // (its break coloured); then the preview is the same as without it.
    void heldLineIsLaidOutApart()
    {
        TRichEdit held, plain;
        for (TRichEdit* edit : {&held, &plain}) {
            edit->resize(400, 200);
            edit->LinesAdd("earlier");
        }
        const auto addAndColour = [](TRichEdit& edit) {
            const TRichEdit::UpdateBlock block(edit);
            edit.LinesAdd("the new line");
            // From the break at the end of the line above.
            edit.SetSelStart(7);
            edit.SetSelLength(4);
            edit.SetSelAttributes(ColorFromTColor(0x0000FF), 20, fsBold, 0);
        };
        addAndColour(plain);
        {
            const TRichEdit::LineLayoutHold hold(held);
            addAndColour(held);
            const QTextBlock above = held.document()->firstBlock();
            const QTextBlock added = held.document()->lastBlock();
            QVERIFY(above.layout()->lineCount() > 0);
            QVERIFY(!added.isVisible());
            QCOMPARE(added.layout()->lineCount(), 0);
            QCOMPARE(held.LinesCount(), 2);
            QCOMPARE(held.TextLength(), plain.TextLength());
        }
        QAbstractTextDocumentLayout& layout = *held.document()->documentLayout();
        QAbstractTextDocumentLayout& reference = *plain.document()->documentLayout();
        for (int n = 0; n < 2; ++n) {
            const QTextBlock b = held.document()->findBlockByNumber(n);
            QVERIFY(b.isVisible());
            QVERIFY(b.layout()->lineCount() > 0);
            QCOMPARE(layout.blockBoundingRect(b), reference.blockBoundingRect(plain.document()->findBlockByNumber(n)));
        }
        QCOMPARE(layout.documentSize(), reference.documentSize());
        QCOMPARE(held.document()->characterCount(), plain.document()->characterCount());
        for (int p = 0; p < held.document()->characterCount(); ++p)
            QCOMPARE(FormatAt(held, p), FormatAt(plain, p));
    }

    // The held line is shown only while it is still the preview's: emptied
    // meanwhile, the preview shows what it holds then.
    void heldLineGoneWithTheText()
    {
        TRichEdit edit;
        {
            const TRichEdit::LineLayoutHold hold(edit);
            edit.LinesAdd("held");
            edit.clear();
            edit.setPlainText("typed");
        }
        QCOMPARE(edit.LinesCount(), 1);
        QVERIFY(edit.document()->firstBlock().isVisible());
        {
            const TRichEdit::LineLayoutHold hold(edit);
            edit.LinesAdd("one");
            edit.LinesAdd("two");
        }
        for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next())
            QVERIFY2(b.isVisible(), qPrintable(b.text()));
    }

    // A view of rows longer than one paint draws paints them one by one:
    // the first paint leaves the background where the later rows go, and
    // the window ends as one whole paint draws it; a scroll in between
    // moves no row left unpainted.
    void longRowsPaintOneByOne_data()
    {
        QTest::addColumn<bool>("scrolled");
        QTest::newRow("left alone") << false;
        QTest::newRow("scrolled in between") << true;
    }

    void longRowsPaintOneByOne()
    {
        QFETCH(bool, scrolled);
        TRichEdit edit;
        edit.resize(300, 120);
        const std::u16string longRow(TRichEdit::PaintSliceUnits, u'w');
        for (const UnicodeString& line : {UnicodeString(longRow), UnicodeString(longRow), UnicodeString(u"short")})
            edit.LinesAdd(line);
        for (int i = 0; i < 8; ++i)
            edit.LinesAdd("more");
        edit.SetColor(Qt::white);
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        edit.verticalScrollBar()->setValue(0);
        QTRY_COMPARE(Screen(edit), edit.grab().toImage());

        // One paint: the first row, and the background below it.
        edit.viewport()->repaint();
        const QImage firstPaint = Screen(edit);
        const QRect second = edit.document()
                                 ->documentLayout()
                                 ->blockBoundingRect(edit.document()->findBlockByNumber(1))
                                 .toAlignedRect()
                                 .translated(edit.viewport()->mapTo(&edit, QPoint()))
                                 .intersected(edit.viewport()->geometry());
        QVERIFY(!second.isEmpty());
        const QColor background = firstPaint.pixelColor(second.topLeft());
        for (int y = second.top(); y <= second.bottom(); ++y)
            for (int x = second.left(); x <= second.right(); ++x)
                if (firstPaint.pixelColor(x, y) != background)
                    QFAIL(qPrintable(QString("drawn at %1, %2 in the first paint").arg(x).arg(y)));
        QVERIFY(firstPaint != edit.grab().toImage());
        if (scrolled) {
            edit.horizontalScrollBar()->setValue(edit.horizontalScrollBar()->value() + 40);
            edit.verticalScrollBar()->setValue(edit.verticalScrollBar()->value() + 7);
        }
        QTRY_COMPARE(Screen(edit), edit.grab().toImage());
    }

    void fontSizeAndStyle()
    {
        TRichEdit edit;
        QFont f = edit.font();
        f.setPointSize(14);
        f.setItalic(true);
        f.setUnderline(true);
        edit.setFont(f);
        QCOMPARE(edit.FontSize(), 14);
        QCOMPARE(edit.FontStyle(), TFontStyles(fsItalic | fsUnderline));
        f.setPixelSize(32);
        edit.setFont(f);
        QCOMPARE(edit.FontSize(), qRound(32 * 72.0 / edit.logicalDpiY()));
    }
};

QTEST_MAIN(RichEditTest)
#include "RichEditTest.moc"
