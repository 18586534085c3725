#pragma once
// A text document's edit block for as long as the guard lives: the document
// reports the changes made inside it as one, when the block closes, and the
// block closes also when an edit throws (out of memory), or the document
// would wait for its end for ever.
#include <QTextCursor>
#include <QTextDocument>

class TEditBlock {
public:
    explicit TEditBlock(QTextDocument& document) : cursor_(&document) { cursor_.beginEditBlock(); }
    ~TEditBlock() { cursor_.endEditBlock(); }
    TEditBlock(const TEditBlock&) = delete;
    TEditBlock& operator=(const TEditBlock&) = delete;

    // A cursor of the document, inside the block.
    QTextCursor& Cursor() { return cursor_; }

private:
    QTextCursor cursor_;
};
