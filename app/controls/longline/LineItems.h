#pragma once
// The items of the line edit's laid-out line in the order they show, each
// with where it starts and how wide it is: what a drawing of the part of a
// long line that shows searches, made once per layout.
//
// Read as QTextLineItemIterator (qtextengine.cpp, the same in Qt 6.4.2 and
// 6.8.2) walks them for QTextLine::draw_internal: the items of the line in
// QTextEngine::bidiReorder's order, each as wide as the effective advances
// of its glyphs in the line or a tab's own width, and the glyph of a soft
// hyphen that ends the line made printable, all as its constructor and
// next() do (EditFieldTest::looksLikeALineEdit, every row).
#include <QFont>
#include <QList>
#include <QString>
#include <QTextLayout>

#include <cstdint>
#include <utility>
#include <vector>

class TLineItems {
public:
    // Reads the items of the layout's one line again when the layout changed
    // since the last call. Widths are in 1/64 pixel from the line's start.
    void Update(QTextLayout& layout);

    int Count() const { return static_cast<int>(x_.size()) - 1; }
    // The visual places [first, last) whose items reach into [left, right).
    std::pair<int, int> Between(std::int64_t left, std::int64_t right) const;
    // The item at a visual place, as the layout numbers its items.
    int Item(int visual) const { return order_.empty() ? first_ + visual : first_ + order_[visual]; }
    std::int64_t X(int visual) const { return x_[visual]; }
    std::int64_t Width(int visual) const { return x_[visual + 1] - x_[visual]; }
    // The units of the line: items end there even where the text goes on.
    int LineFrom() const { return lineFrom_; }
    int LineEnd() const { return lineEnd_; }

private:
    bool Current(const QTextLayout& layout) const;
    void Read(QTextLayout& layout);

    // What the items were read from: a layout made again from the same text,
    // font, direction and formats holds the same items.
    const void* data_ = nullptr;
    QString string_; // held, so that its buffer is not reused for another text
    QFont font_;
    Qt::LayoutDirection direction_ = Qt::LayoutDirectionAuto;
    QList<QTextLayout::FormatRange> formats_;
    int itemCount_ = -1;
    int lineFrom_ = 0;
    int lineEnd_ = 0;
    int lineWidth_ = 0;

    int first_ = 0;
    std::vector<int> order_;      // logical item (from first_) at each visual place; empty when the same
    std::vector<std::int64_t> x_; // start of each visual place, and the line's end
};
