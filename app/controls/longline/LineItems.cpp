// The laid-out line's items in visual order, read from the text engine of
// the layout: each item's width as the layout's own drawing sums it.
#include "LineItems.h"

#include <QtGui/private/qtextengine_p.h>

#include <algorithm>

namespace {

// The width of an item within the line, summed as the layout's drawing
// sums it: the advances of its glyphs in the line, a tab's own width.
QFixed ItemWidth(QTextEngine& engine, int item, int lineFrom, int lineEnd)
{
    QScriptItem& si = engine.layoutData->items[item];
    if (!si.num_glyphs)
        engine.shape(item);
    if (si.analysis.flags >= QScriptAnalysis::TabOrObject)
        return si.width;
    const int length = engine.length(item);
    const int start = qMax(lineFrom, si.position);
    const int end = qMin(lineEnd, si.position + length);
    const unsigned short* clusters = engine.logClusters(&si);
    const QGlyphLayout glyphs = engine.shapedGlyphs(&si);
    const int firstGlyph = clusters[start - si.position];
    const int endGlyph = end == si.position + length ? si.num_glyphs : clusters[end - si.position];
    QFixed width;
    for (int g = firstGlyph; g < endGlyph; ++g)
        width += glyphs.effectiveAdvance(g);
    return width;
}

// A line that ends in a soft hyphen shows it: the layout's drawing makes the
// last glyph of the line printable before it sums the widths.
void ShowEndingHyphen(QTextEngine& engine, int lastItem, int lineEnd)
{
    if (lastItem < 0 || engine.layoutData->string.at(lineEnd - 1) != QChar::SoftHyphen)
        return;
    QScriptItem& si = engine.layoutData->items[lastItem];
    if (si.analysis.flags >= QScriptAnalysis::TabOrObject || !si.num_glyphs)
        return;
    const int length = engine.length(lastItem);
    const int endGlyph =
        lineEnd >= si.position + length ? si.num_glyphs : engine.logClusters(&si)[lineEnd - si.position];
    if (endGlyph > 0)
        engine.shapedGlyphs(&si).attributes[endGlyph - 1].dontPrint = false;
}

} // namespace

bool TLineItems::Current(const QTextLayout& layout) const
{
    const QTextEngine& engine = *layout.engine();
    const QScriptLine& line = engine.lines.at(0);
    return engine.layoutData == data_ && engine.layoutData->string.constData() == string_.constData()
           && engine.layoutData->string.size() == string_.size() && engine.layoutData->items.size() == itemCount_
           && line.from == lineFrom_ && line.from + line.length == lineEnd_ && line.textWidth.value() == lineWidth_
           && layout.textOption().textDirection() == direction_ && layout.font() == font_
           && layout.formats() == formats_;
}

void TLineItems::Update(QTextLayout& layout)
{
    QTextEngine& engine = *layout.engine();
    if (layout.lineCount() != 1 || !engine.layoutData) {
        *this = TLineItems();
        x_.assign(1, 0);
        return;
    }
    if (Current(layout))
        return;
    Read(layout);
}

void TLineItems::Read(QTextLayout& layout)
{
    QTextEngine& engine = *layout.engine();
    const QScriptLine& line = engine.lines.at(0);
    engine.shapeLine(line);
    lineFrom_ = line.from;
    lineEnd_ = line.from + line.length;
    first_ = engine.findItem(lineFrom_);
    const int last = line.length > 0 ? engine.findItem(lineEnd_ - 1, first_) : -1;
    const int count = first_ >= 0 && last >= first_ ? last - first_ + 1 : 0;
    if (count > 0)
        ShowEndingHyphen(engine, last, lineEnd_);

    order_.clear();
    if (count > 0 && engine.layoutData->hasBidi) {
        std::vector<quint8> levels(count);
        for (int i = 0; i < count; ++i)
            levels[i] = engine.layoutData->items.at(first_ + i).analysis.bidiLevel;
        order_.resize(count);
        QTextEngine::bidiReorder(count, levels.data(), order_.data());
    }
    x_.assign(count + 1, 0);
    for (int v = 0; v < count; ++v)
        x_[v + 1] = x_[v] + ItemWidth(engine, Item(v), lineFrom_, lineEnd_).value();

    data_ = engine.layoutData;
    string_ = engine.layoutData->string;
    font_ = layout.font();
    direction_ = layout.textOption().textDirection();
    formats_ = layout.formats();
    itemCount_ = static_cast<int>(engine.layoutData->items.size());
    lineWidth_ = line.textWidth.value();
}

std::pair<int, int> TLineItems::Between(std::int64_t left, std::int64_t right) const
{
    // x_ rises along the line: the first place that ends at left or after,
    // and the first that starts after right.
    const auto begin = x_.begin() + 1;
    const auto end = x_.end();
    const int first = static_cast<int>(std::lower_bound(begin, end, left) - begin);
    const int last = static_cast<int>(std::upper_bound(x_.begin(), end - 1, right) - x_.begin());
    return {first, qMax(first, last)};
}
