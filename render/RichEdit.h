#pragma once
// The preview: a read-only rich-text control over QTextEdit, with the
// line list, text length, selection and selection attributes of the
// platform's rich edit. Selection positions count UTF-16 units and one per
// line break; out-of-range selections are clamped, never refused.
#include "EditBlock.h"
#include "FontStyles.h"
#include "RowHeights.h"
#include "ShownRows.h"
#include "UnicodeString.h"

#include <QFont>
#include <QTextCursor>
#include <QTextEdit>

#include <cstdint>
#include <optional>
#include <utility>

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);

    // Background colour of the control.
    QColor Color() const;
    void SetColor(const QColor& color);
    // Colour of the control's font: the colour of text without one of its own.
    QColor FontColor() const;
    void SetFontColor(const QColor& color);
    // Point size and style set of the control's font.
    int FontSize() const;
    TFontStyles FontStyle() const;

    // Lines.Count and Lines.Add: the line is appended as one new line in the
    // control's own look, one row high: a line break inside it shows as a
    // sign (BreakSigns.h). An empty first line leaves the control empty (the
    // renderer never adds one). When the rows shown would pass the height
    // that Qt can lay out, the oldest lines are folded away first
    // (ShownRows.h): hidden, but kept in the text, its length and its
    // positions. A line is coloured at the size of the font it is added with.
    int LinesCount() const;
    void LinesAdd(const UnicodeString& line);
    // Length of Text, where every line is followed by CR LF.
    int TextLength() const;

    // SelStart collapses the selection there; SelLength extends it from
    // SelStart. A negative length selects nothing. The selection is the
    // control's own, kept apart from the caret so that formatting many runs
    // does not scroll and lay out the view at every step; ClearSelection
    // shows it.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    // Deselects; the control is read-only, so no text goes. The caret
    // follows, to where the formatting ended.
    void ClearSelection();
    // Deselects and leaves the caret and the selection that the user sees
    // where they are.
    void DropSelection();

    // SelAttributes: each call changes only its own property on every
    // selected character; an empty selection changes nothing.
    // One style added or removed, the others left as each character has them.
    void SetSelStyleOn(TFontStyle style, bool on);
    // The colour when valid, the size when above 0, the styles in on added
    // and those in off removed, in one change: the same as the single steps
    // below one after the other. One change costs as much as one of them,
    // and a run can span thousands of formatted pieces.
    void SetSelAttributes(const QColor& color, int points, TFontStyles on, TFontStyles off);

    // Only the tests call these: the single steps that SetSelAttributes is
    // held to, and a selection of everything that shows.
    void SetSelColor(const QColor& color);
    void SetSelSize(int points);
    void SetSelStyle(TFontStyles styles); // all four styles at once
    void SelectAll();

    // Holds back relayout while many selections are formatted in a row: the
    // document reports its changes as one, when the block closes, and its
    // layout redoes the line then (RichEditTest::editBlockReportsOnce).
    class UpdateBlock : public TEditBlock {
    public:
        explicit UpdateBlock(TRichEdit& edit) : TEditBlock(*edit.document()) {}
    };

    // The control's font: taken at once, or, while a FontHold lives, when the
    // last one ends; NextFont is the font that the control then has. A line
    // is laid out with one font, not again for a font chosen half way (Qt
    // 6.4.2: a QTextEdit's new font lays its whole document out again at
    // once, edit block or not; RenderEventsTest::
    // fontChosenDuringTheLineWaitsForIt).
    void TakeFont(const QFont& font);
    QFont NextFont() const;

    class FontHold {
    public:
        explicit FontHold(TRichEdit& edit);
        ~FontHold();
        FontHold(const FontHold&) = delete;
        FontHold& operator=(const FontHold&) = delete;

    private:
        TRichEdit& edit_;
    };

    // While it lives, a line added stays out of the layout (hidden); when
    // it ends, the line shows and is laid out, in a step of its own. The
    // changes that add and colour a line lay out again the line above it
    // when they touch its break (the break goes in at its end, and the
    // bracket region of a line without markers colours it): with the new
    // line held, the edit block's end lays out only what it touched above,
    // and two long lines are two long steps, not one twice as long
    // (RichEditTest::heldLineIsLaidOutApart). Qt: a hidden block is not
    // laid out.
    class LineLayoutHold {
    public:
        explicit LineLayoutHold(TRichEdit& edit);
        ~LineLayoutHold();
        LineLayoutHold(const LineLayoutHold&) = delete;
        LineLayoutHold& operator=(const LineLayoutHold&) = delete;

    private:
        TRichEdit& edit_;
    };

    // Holds back painting while it lives, and paints once when it ends:
    // the view neither draws a line half formatted nor draws it twice.
    class PaintHold {
    public:
        explicit PaintHold(TRichEdit& edit);
        ~PaintHold();
        PaintHold(const PaintHold&) = delete;
        PaintHold& operator=(const PaintHold&) = delete;

    private:
        QWidget& viewport_;
        bool wasEnabled_;
    };

    // How many units of text one paint of the view draws at most, in whole
    // rows, and at least one row: Qt draws every row a paint reaches in
    // whole, shaping again those that keep no glyphs, so a view of several
    // long rows paints them one paint each, with the window's events
    // between; the rows left for later show the background until then
    // (RichEditTest::longRowsPaintOneByOne).
    static constexpr int PaintSliceUnits = 1 << 18;

protected:
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QTextCursor sel_;
    TShownRows rows_;
    TRowHeights heights_;
    int fontHolds_ = 0;
    std::optional<QFont> heldFont_;
    int lineHolds_ = 0;
    // The number of the line held out of the layout, or -1.
    int heldLine_ = -1;
    void ShowHeldLine();
    // The shown lines that the rect of the view reaches, in document
    // coordinates, as block numbers [first, last]; empty when a line among
    // them is not laid out yet.
    std::optional<std::pair<int, int>> RowsIn(const QRect& rect) const;
    // The view's y of a row's top.
    int RowTop(int number) const;
    // The last of the rows [first, last] that one paint from the view's
    // y top draws.
    int SliceEnd(int first, int last, int top) const;
    int Clamp(std::int64_t position) const;
    void MergeSelection(const QTextCharFormat& format);
    // The pixel size a line added now is coloured at.
    double LinePixels() const;
    // Hides the count lines before the first one shown.
    void Fold(int count);
};
