// The preview control over a read-only QTextEdit.
#include "RichEdit.h"

#include "BreakSigns.h"
#include "QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QBackingStore>
#include <QEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The line as one row: the document would split it at its breaks.
QString OneLine(const UnicodeString& line)
{
    QString s = ToQString(line);
    ShowBreakSigns(s);
    return s;
}

// Whether a paint of the widget goes to its window: a grab or render of
// it paints elsewhere, and wants it whole.
bool OnScreen(QWidget& widget)
{
    QBackingStore* store = widget.backingStore();
    if (!store)
        return false;
    const QPainter probe(&widget);
    return probe.paintEngine() && probe.paintEngine()->paintDevice() == store->paintDevice();
}

} // namespace

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent), sel_(document())
{
    // One row per line, which the height of the lines shown is counted by.
    setLineWrapMode(NoWrap);
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
}

QColor TRichEdit::Color() const { return palette().color(QPalette::Base); }

void TRichEdit::SetColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

QColor TRichEdit::FontColor() const { return palette().color(QPalette::Text); }

void TRichEdit::SetFontColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
}

int TRichEdit::FontSize() const
{
    const QFont f = font();
    if (f.pointSizeF() > 0)
        return qRound(f.pointSizeF());
    if (f.pixelSize() > 0)
        return qRound(f.pixelSize() * 72.0 / logicalDpiY());
    return 0;
}

TFontStyles TRichEdit::FontStyle() const
{
    const QFont f = font();
    return (f.bold() ? fsBold : 0u) | (f.italic() ? fsItalic : 0u) | (f.underline() ? fsUnderline : 0u)
           | (f.strikeOut() ? fsStrikeOut : 0u);
}

int TRichEdit::LinesCount() const { return document()->isEmpty() ? 0 : document()->blockCount(); }

double TRichEdit::LinePixels() const
{
    const QFont f = font();
    const double dpi = logicalDpiY();
    const double px = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * dpi / 72;
    // The renderer sets the size in whole points, which may round up.
    return std::max(px, FontSize() * dpi / 72);
}

void TRichEdit::Fold(int count)
{
    if (count <= 0)
        return;
    QTextDocument& doc = *document();
    QTextBlock b = doc.findBlockByNumber(rows_.FirstShown() - count);
    const int from = b.position();
    int to = from;
    for (int i = 0; i < count && b.isValid(); ++i, b = b.next()) {
        b.setVisible(false);
        to = b.position() + b.length();
    }
    // The layout hears of it only so. Inside the render's edit block this
    // comes before the line is added, while nothing else waits there: Qt
    // lays out the folded lines alone (skipping them) and moves the rows
    // below, instead of laying every one of them out again.
    doc.markContentsDirty(from, to - from);
}

void TRichEdit::LinesAdd(const UnicodeString& line)
{
    if (document()->isEmpty())
        rows_.Clear();
    const QString shown = OneLine(line);
    const double px = LinePixels();
    Fold(rows_.Add(px, heights_.Tallest(shown, font(), px)));
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    // The last line keeps its shaped glyphs: right after a render the view
    // finds the caret in it and draws it, and shaping a line of a million
    // characters takes as long as laying it out. The line before gives
    // them up when the append lays it out again. Qt: a QTextLayout keeps
    // its glyphs after laying out only with its cache enabled, and a block
    // keeps its layout, with that setting, through the formatting and the
    // layouts that follow (PreviewStepsTest::onlyTheLastLineKeepsItsGlyphs,
    // RichEditTest::lastLineKeepsItsCacheThroughFormatting); what the kept
    // glyphs save shows in the window benchmark's figures only.
    c.block().layout()->setCacheEnabled(false);
    // A new line starts plain, not in the look of the character before it.
    const QTextCharFormat plain;
    if (!document()->isEmpty())
        c.insertBlock(QTextBlockFormat(), plain);
    c.insertText(shown, plain);
    c.block().layout()->setCacheEnabled(true);
    if (lineHolds_ > 0) {
        ShowHeldLine();
        c.block().setVisible(false);
        heldLine_ = c.block().blockNumber();
    }
}

void TRichEdit::ShowHeldLine()
{
    const int number = std::exchange(heldLine_, -1);
    // Gone, or folded away meanwhile, when the preview was emptied or
    // filled again.
    if (number < rows_.FirstShown())
        return;
    QTextBlock b = document()->findBlockByNumber(number);
    if (!b.isValid() || b.isVisible())
        return;
    b.setVisible(true);
    document()->markContentsDirty(b.position(), b.length());
}

void TRichEdit::changeEvent(QEvent* e)
{
    // The control lays its whole text out again in its new font as it hears
    // of it: the lines shown must fit that font's rows first.
    if (e->type() == QEvent::FontChange && !document()->isEmpty()) {
        QTextBlock b = document()->findBlockByNumber(rows_.FirstShown());
        const QFont f = font();
        Fold(rows_.Remeasure([&](int, double px) {
            const double height = heights_.Tallest(b.text(), f, px);
            b = b.next();
            return height;
        }));
    }
    QTextEdit::changeEvent(e);
}

std::optional<std::pair<int, int>> TRichEdit::RowsIn(const QRect& rect) const
{
    const QTextDocument& doc = *document();
    const QAbstractTextDocumentLayout& layout = *doc.documentLayout();
    int lo = rows_.FirstShown();
    int hi = doc.blockCount() - 1;
    // A line held out of the layout comes last.
    while (hi >= lo && !doc.findBlockByNumber(hi).isVisible())
        --hi;
    // Laid out to the end: Qt lays out lazily from the top down.
    if (hi < lo || doc.findBlockByNumber(hi).layout()->lineCount() == 0)
        return std::nullopt;
    const double dy = verticalScrollBar()->value();
    const double top = rect.top() + dy;
    const double bottom = rect.bottom() + 1 + dy;
    // The first row whose foot lies below the rect's top: the rows are
    // one line each, in order.
    int last = hi;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (layout.blockBoundingRect(doc.findBlockByNumber(mid)).bottom() <= top)
            lo = mid + 1;
        else
            hi = mid;
    }
    const int first = lo;
    for (QTextBlock b = doc.findBlockByNumber(first); b.isValid() && b.blockNumber() <= last; b = b.next()) {
        if (layout.blockBoundingRect(b).top() >= bottom) {
            last = b.blockNumber() - 1;
            break;
        }
    }
    if (last < first)
        return std::nullopt;
    return std::pair{first, last};
}

int TRichEdit::RowTop(int number) const
{
    const QTextBlock b = document()->findBlockByNumber(number);
    return qFloor(document()->documentLayout()->blockBoundingRect(b).top()) - verticalScrollBar()->value();
}

int TRichEdit::SliceEnd(int first, int last, int top) const
{
    qint64 units = 0;
    int end = first;
    for (QTextBlock b = document()->findBlockByNumber(first); b.isValid() && b.blockNumber() <= last; b = b.next()) {
        units += b.length();
        if (units > PaintSliceUnits && b.blockNumber() > first)
            break;
        end = b.blockNumber();
    }
    // A paint that would leave its own top for later paints whole.
    return end < last && RowTop(end + 1) <= top ? last : end;
}

namespace {

// Blocks hidden for as long as it lives.
class THiddenBlocks {
public:
    THiddenBlocks() = default;
    THiddenBlocks(const THiddenBlocks&) = delete;
    THiddenBlocks& operator=(const THiddenBlocks&) = delete;
    ~THiddenBlocks()
    {
        for (QTextBlock& b : blocks_)
            b.setVisible(true);
    }
    void Hide(QTextBlock b)
    {
        if (b.isValid() && b.isVisible()) {
            b.setVisible(false);
            blocks_.push_back(b);
        }
    }

private:
    std::vector<QTextBlock> blocks_;
};

} // namespace

void TRichEdit::paintEvent(QPaintEvent* e)
{
    const QRect r = e->rect();
    const std::optional<std::pair<int, int>> rows = RowsIn(r);
    if (!rows || !OnScreen(*viewport())) {
        QTextEdit::paintEvent(e);
        return;
    }
    const auto [first, last] = *rows;
    const int end = SliceEnd(first, last, r.top());
    // Measured while the rows show.
    const int split = end < last ? RowTop(end + 1) : r.bottom() + 1;
    {
        // Qt draws every row that the paint's rect reaches or only touches
        // (QTextDocumentLayoutPrivate::drawBlock): the rows beside it, which
        // own none of its pixels, and those left for later are kept out of
        // this paint alone. The flag is read as the rows are drawn and
        // changes nothing else while the layout is done (RowsIn).
        THiddenBlocks out;
        if (first > rows_.FirstShown())
            out.Hide(document()->findBlockByNumber(first - 1));
        for (QTextBlock b = document()->findBlockByNumber(end + 1); b.isValid() && b.blockNumber() <= last + 1;
             b = b.next())
            out.Hide(b);
        QTextEdit::paintEvent(e);
    }
    if (end < last)
        viewport()->update(r & QRect(r.left(), split, r.width(), r.bottom() + 1 - split));
}

int TRichEdit::TextLength() const
{
    const QTextDocument* d = document();
    return d->isEmpty() ? 0 : d->characterCount() + d->blockCount();
}

int TRichEdit::Clamp(std::int64_t position) const
{
    const std::int64_t last = document()->characterCount() - 1;
    return static_cast<int>(std::clamp<std::int64_t>(position, 0, last));
}

int TRichEdit::SelStart() const { return sel_.selectionStart(); }

void TRichEdit::SetSelStart(int start) { sel_.setPosition(Clamp(start)); }

int TRichEdit::SelLength() const { return sel_.selectionEnd() - sel_.selectionStart(); }

void TRichEdit::SetSelLength(int length)
{
    const int start = sel_.selectionStart();
    sel_.setPosition(start);
    sel_.setPosition(Clamp(std::int64_t{start} + std::max(length, 0)), QTextCursor::KeepAnchor);
}

void TRichEdit::ClearSelection()
{
    sel_.clearSelection();
    // The caret follows, so the view shows where the formatting ended.
    setTextCursor(sel_);
}

void TRichEdit::DropSelection() { sel_.clearSelection(); }

void TRichEdit::SelectAll()
{
    sel_.select(QTextCursor::Document);
    selectAll();
}

void TRichEdit::MergeSelection(const QTextCharFormat& format)
{
    if (sel_.hasSelection())
        sel_.mergeCharFormat(format);
}

void TRichEdit::SetSelColor(const QColor& color)
{
    QTextCharFormat f;
    f.setForeground(color);
    MergeSelection(f);
}

void TRichEdit::SetSelSize(int points)
{
    if (points <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(points);
    MergeSelection(f);
}

namespace {

// Sets the styles of mask in f: on where they are in styles, off elsewhere.
void SetStyles(QTextCharFormat& f, TFontStyles mask, TFontStyles styles)
{
    if (mask & fsBold)
        f.setFontWeight((styles & fsBold) ? QFont::Bold : QFont::Normal);
    if (mask & fsItalic)
        f.setFontItalic(styles & fsItalic);
    if (mask & fsUnderline)
        f.setFontUnderline(styles & fsUnderline);
    if (mask & fsStrikeOut)
        f.setFontStrikeOut(styles & fsStrikeOut);
}

} // namespace

void TRichEdit::SetSelStyle(TFontStyles styles)
{
    QTextCharFormat f;
    SetStyles(f, AllStyles, styles);
    MergeSelection(f);
}

void TRichEdit::SetSelStyleOn(TFontStyle style, bool on)
{
    QTextCharFormat f;
    SetStyles(f, style, on ? style : 0u);
    MergeSelection(f);
}

void TRichEdit::SetSelAttributes(const QColor& color, int points, TFontStyles on, TFontStyles off)
{
    QTextCharFormat f;
    if (color.isValid())
        f.setForeground(color);
    if (points > 0)
        f.setFontPointSize(points);
    SetStyles(f, (on | off) & AllStyles, on & ~off);
    if (!f.properties().isEmpty())
        MergeSelection(f);
}

void TRichEdit::TakeFont(const QFont& font)
{
    if (fontHolds_ > 0)
        heldFont_ = font;
    else
        setFont(font);
}

QFont TRichEdit::NextFont() const { return heldFont_ ? *heldFont_ : font(); }

TRichEdit::FontHold::FontHold(TRichEdit& edit) : edit_(edit) { ++edit_.fontHolds_; }

TRichEdit::FontHold::~FontHold()
{
    if (--edit_.fontHolds_ > 0 || !edit_.heldFont_)
        return;
    const QFont f = *edit_.heldFont_;
    edit_.heldFont_.reset();
    edit_.setFont(f);
}

TRichEdit::LineLayoutHold::LineLayoutHold(TRichEdit& edit) : edit_(edit) { ++edit_.lineHolds_; }

TRichEdit::LineLayoutHold::~LineLayoutHold()
{
    if (--edit_.lineHolds_ == 0)
        edit_.ShowHeldLine();
}

TRichEdit::PaintHold::PaintHold(TRichEdit& edit) : viewport_(*edit.viewport()), wasEnabled_(viewport_.updatesEnabled())
{
    viewport_.setUpdatesEnabled(false);
}

TRichEdit::PaintHold::~PaintHold() { viewport_.setUpdatesEnabled(wasEnabled_); }
