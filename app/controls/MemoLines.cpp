// The result memo's lines, written in batches and shown one row each.
#include "MemoLines.h"

#include "BreakSigns.h"
#include "EditBlock.h"
#include "QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace {

// A document the memo no longer shows, emptied from its end a slice at a
// time between the window's events, and deleted once empty.
class SlicedRemoval : public QObject {
public:
    SlicedRemoval(QTextDocument* doc, QObject* parent) : QObject(parent), doc_(doc)
    {
        doc_->setParent(this);
        // No view hears of its changes any more.
        doc_->disconnect();
        doc_->documentLayout()->disconnect();
        // Nothing undoes the removal: without this every slice would keep
        // its lines in the undo stack until the document is deleted.
        doc_->setUndoRedoEnabled(false);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { Slice(); });
        timer_.start(0);
    }

private:
    void Slice()
    {
        if (doc_->isEmpty()) {
            timer_.stop();
            deleteLater();
            return;
        }
        // In an edit block the cursor lays out no line after the removal,
        // where the plain-text layout may walk every block left to find
        // the widest one.
        TEditBlock edit(*doc_);
        QTextCursor& c = edit.Cursor();
        c.movePosition(QTextCursor::End);
        const int from = std::max(0, doc_->blockCount() - TMemoLines::ClearSliceLines);
        c.setPosition(doc_->findBlockByNumber(from).position(), QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }

    QTextDocument* doc_;
    QTimer timer_;
};

// An empty document for memo with the settings of old, as a memo's own.
QTextDocument* EmptyLike(const QTextDocument& old, QPlainTextEdit& memo)
{
    auto* doc = new QTextDocument(&memo);
    doc->setDocumentLayout(new QPlainTextDocumentLayout(doc));
    doc->setDefaultFont(old.defaultFont());
    doc->setDefaultStyleSheet(old.defaultStyleSheet());
    doc->setDefaultTextOption(old.defaultTextOption());
    doc->setDefaultCursorMoveStyle(old.defaultCursorMoveStyle());
    doc->setDocumentMargin(old.documentMargin());
    doc->setIndentWidth(old.indentWidth());
    doc->setMaximumBlockCount(old.maximumBlockCount());
    doc->setUndoRedoEnabled(old.isUndoRedoEnabled());
    doc->setUseDesignMetrics(old.useDesignMetrics());
    return doc;
}

// Appends units to s in the form the memo shows them.
void AppendDisplay(QString& s, const char16_t* units, std::size_t count)
{
    const qsizetype from = s.size();
    s.append(reinterpret_cast<const QChar*>(units), static_cast<qsizetype>(count));
    ShowBreakSigns(s, from);
}

} // namespace

TMemoLines::TMemoLines(QPlainTextEdit& memo) : memo_(memo), hasLines_(!memo.document()->isEmpty()) {}

void TMemoLines::Add(const UnicodeString& line)
{
    AddLines(1, [&](int, std::u16string& out) { out += line.str(); }, {});
}

void TMemoLines::AddStrings(const std::vector<UnicodeString>& lines, const Pump& pump)
{
    AddLines(
        static_cast<int>(lines.size()),
        [&](int i, std::u16string& out) { out += lines[static_cast<std::size_t>(i)].str(); }, pump);
}

void TMemoLines::AddLines(int count, const LineWriter& write, const Pump& pump)
{
    std::u16string line;
    QString text;
    for (int from = 0; from < count; from += SliceLines) {
        if (from > 0 && pump)
            pump();
        const int to = std::min(count, from + SliceLines);
        text.clear();
        for (int i = from; i < to; ++i) {
            // The memo's first line has no break before it.
            if (i > 0 || hasLines_ || !memo_.document()->isEmpty())
                text += QLatin1Char('\n');
            line.clear();
            write(i, line);
            AppendDisplay(text, line.data(), line.size());
        }
        Insert(text);
    }
    if (batched_ && count > 0)
        feet_.push_back(memo_.document()->blockCount() - 1);
}

void TMemoLines::Insert(const QString& text)
{
    // Inside an edit block the cursor does not lay out the line it stands
    // on to find its x (QTextCursor leaves its x unset there;
    // MemoSlicesTest::addLaysOutNoLine): in a batch a long last line would
    // be shaped at every add.
    // The document reports the change when the edit block closes.
    writing_ = true;
    struct Written {
        bool& writing;
        ~Written() { writing = false; }
    } written{writing_};
    TEditBlock edit(*memo_.document());
    edit.Cursor().movePosition(QTextCursor::End);
    edit.Cursor().insertText(text);
    hasLines_ = true;
    if (batched_) {
        CountScrollRange();
        memo_.viewport()->update();
    }
}

void TMemoLines::CountScrollRange()
{
    // One line per block: the memo does not wrap, and its lines hold no break.
    const int lineHeight = std::max(1, memo_.fontMetrics().lineSpacing());
    const int visible = std::max(1, memo_.viewport()->height() / lineHeight);
    QScrollBar* bar = memo_.verticalScrollBar();
    bar->setRange(0, std::max(0, memo_.document()->blockCount() - visible));
    bar->setPageStep(visible);
}

void TMemoLines::Clear()
{
    hasLines_ = false;
    QTextDocument* old = memo_.document();
    if (old->blockCount() < ClearAtOnceBelow) {
        memo_.clear();
        return;
    }
    // Taken from the memo's text control, which would delete it at once.
    old->setParent(nullptr);
    memo_.setDocument(EmptyLike(*old, memo_));
    new SlicedRemoval(old, &memo_);
}

int TMemoLines::Count() const
{
    const QTextDocument* doc = memo_.document();
    return doc->isEmpty() && !hasLines_ ? 0 : doc->blockCount();
}

UnicodeString TMemoLines::Get(int index) const
{
    return FromQString(memo_.document()->findBlockByNumber(index).text());
}

TMemoLines::Batch::Batch(TMemoLines& memo)
    : memo_(memo), layout_(memo.memo_.document()->documentLayout()), wasBlocked_(layout_->blockSignals(true))
{
    memo_.batched_ = true;
    memo_.editedByUser_ = false;
    TMemoLines& m = memo_;
    edits_ = QObject::connect(m.memo_.document(), &QTextDocument::contentsChange, &m.memo_, [&m](int, int, int) {
        if (m.writing_)
            return;
        m.editedByUser_ = true;
        m.CountScrollRange();
        m.memo_.viewport()->update();
    });
}

TMemoLines::Batch::~Batch()
{
    try {
        Release();
    } catch (...) {
        // The view catches up with the next edit.
    }
}

void TMemoLines::Batch::CatchUp(const Pump& pump)
{
    // After each add the view measures the lines that fill it from the
    // foot up, laying out those it has not laid out yet: the same walk, with
    // the same height and the same stop, as QPlainTextEdit's own.
    QPlainTextEdit& edit = memo_.memo_;
    const std::vector<int> feet = std::move(memo_.feet_);
    if (edit.isVisible()) {
        const QTextDocument& doc = *edit.document();
        const qreal visible = edit.viewport()->rect().height() - doc.documentMargin() - 1;
        // A block is a handle into the document: once the user has edited
        // the memo at a pump, it may name a line that is gone.
        for (std::size_t f = 0; f < feet.size() && !memo_.editedByUser_; ++f) {
            qreal height = 0;
            for (QTextBlock b = doc.findBlockByNumber(feet[f]); b.isValid() && height <= visible; b = b.previous()) {
                if (!b.isVisible())
                    continue;
                // Before each line, not after: what the window has pending
                // (the preview's paint after the render) is not handled in
                // the same stretch as a long line's layout.
                if (pump)
                    pump();
                if (memo_.editedByUser_)
                    break;
                height += layout_->blockBoundingRect(b).height();
            }
        }
    }
    Release();
}

void TMemoLines::Batch::Release()
{
    if (released_)
        return;
    released_ = true;
    QObject::disconnect(edits_);
    memo_.batched_ = false;
    memo_.feet_.clear();
    layout_->blockSignals(wasBlocked_);
    emit layout_->documentSizeChanged(layout_->documentSize());
    emit layout_->update();
}
