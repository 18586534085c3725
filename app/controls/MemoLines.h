#pragma once
// The result memo's lines over a QPlainTextEdit. One Add is one memo line,
// one row high: characters that the text control would take as a line break
// (CR, LF, U+2028, U+2029 and the two frame marks) are shown as a sign
// instead (BreakSigns.h).
#include "UnicodeString.h"

#include <QPlainTextEdit>

#include <functional>
#include <string>
#include <vector>

class QAbstractTextDocumentLayout;

class TMemoLines {
public:
    using Pump = std::function<void()>;
    // Appends the units of line index to out.
    using LineWriter = std::function<void(int index, std::u16string& out)>;

    explicit TMemoLines(QPlainTextEdit& memo);

    void Add(const UnicodeString& line);
    // The same memo as one Add per line, made in slices of a few thousand
    // lines, one edit each, with pump() between them.
    void AddStrings(const std::vector<UnicodeString>& lines, const Pump& pump = {});
    // Adds count lines that write(i, out) makes, i from 0, in slices with
    // pump() between them.
    void AddLines(int count, const LineWriter& write, const Pump& pump);
    // Empties the memo. A memo of ClearAtOnceBelow lines or more takes a new,
    // empty document at once, and its old one is emptied ClearSliceLines
    // lines at a time on a zero timer, between the window's events, keeping
    // no undo of them, then deleted: emptying millions of lines in one Qt
    // call would stop the window for seconds
    // (MemoSlicesTest::clearHandsEventsThrough). The new document has the
    // old one's settings, so the memo looks and behaves as after
    // QPlainTextEdit::clear (MemoSlicesTest::clearedLikeQtsClear).
    void Clear();
    int Count() const;
    // The line as the memo shows it.
    UnicodeString Get(int index) const;

    // Lines per slice of AddLines.
    static constexpr int SliceLines = 2048;
    // From how many lines Clear empties the old document in slices, and
    // how many lines a slice removes.
    static constexpr int ClearAtOnceBelow = 65536;
    static constexpr int ClearSliceLines = 16384;

    // While a batch lives, the memo's view does not lay lines out as they
    // come: a long line laid out costs as long as shaping all its
    // characters, and one at the foot of the memo would be laid out again
    // with every line added after it. CatchUp lays out, once each and one
    // at a time with pump() between them, the lines that the view would
    // have laid out after each add (those that filled it from the foot up
    // at that moment: their widths set the horizontal scroll bar), and
    // brings the scroll bars and the view up to date. The memo's text and
    // its look afterwards are the same as without the batch.
    //
    // Meanwhile the vertical scroll bar counts the lines as they come, so
    // that the wheel moves the view, and what the user types into the memo
    // shows at once. The memo is editable: once the user has changed it,
    // the lines noted for CatchUp may be gone, so it walks no further and
    // leaves the view to lay out what it shows.
    //
    // Qt behaviour this rests on: QPlainTextEdit hears of a change only
    // through its document layout's signals, which the batch blocks
    // (MemoSlicesTest::batchCatchesUpOnce); and on each change of the
    // document's size it walks the blocks from the last one up until the
    // view is full, laying them out, while the widest block laid out so far
    // sets the horizontal range (its private adjustScrollbars), which
    // CatchUp does over again (MemoSlicesTest::
    // batchLeavesTheScrollBarsAsTheyWouldBe, the same bars with and without
    // a batch).
    class Batch {
    public:
        explicit Batch(TMemoLines& memo);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

        void CatchUp(const Pump& pump);

    private:
        void Release();

        TMemoLines& memo_;
        QAbstractTextDocumentLayout* layout_;
        bool wasBlocked_;
        bool released_ = false;
        QMetaObject::Connection edits_;
    };

private:
    void Insert(const QString& text);

    QPlainTextEdit& memo_;
    // An empty document holds either no line or one empty line.
    bool hasLines_;
    // Writing inside a batch: the view is refreshed by hand, and the last
    // line after each add is noted for CatchUp.
    bool batched_ = false;
    std::vector<int> feet_;
    // Inside a batch: the program is writing (any other change is the
    // user's), and whether the user has changed the memo.
    bool writing_ = false;
    bool editedByUser_ = false;
    // The vertical scroll bar's range, counted from the lines, not laid out.
    void CountScrollRange();
};
