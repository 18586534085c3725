// The shown part of the line edit's line, drawn by the layout itself one run
// of items at a time: the layout's line is narrowed to the run for the
// drawing, then given back. A selection is drawn in the layout's three
// steps over the whole shown part: the highlight, the selected items
// clipped to it in the highlighted colour, the rest clipped outside it.
#include "ShownLine.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <QtGui/private/qtextengine_p.h>

#include <cstring>
#include <optional>

namespace {

bool IsTab(const QTextEngine& engine, int item)
{
    return engine.layoutData->items.at(item).analysis.flags >= QScriptAnalysis::TabOrObject;
}

// The layout's line, narrowed for one drawing and given back after it.
class NarrowedLine {
public:
    explicit NarrowedLine(QTextEngine& engine) : line_(engine.lines[0]), whole_(line_) {}
    ~NarrowedLine() { line_ = whole_; }
    NarrowedLine(const NarrowedLine&) = delete;
    NarrowedLine& operator=(const NarrowedLine&) = delete;

    const QScriptLine& Whole() const { return whole_; }
    void To(int from, int end)
    {
        line_.from = from;
        line_.length = end - from;
        // The layout's drawing shapes the line's trailing spaces too, and a
        // tab shaped in a narrowed line would take another width.
        line_.trailingSpaces = 0;
    }

private:
    QScriptLine& line_;
    const QScriptLine whole_;
};

// The layout shows a soft hyphen that ends its line. Where a run ends inside
// the line, its ending soft hyphens, which draw nothing there, are left out;
// one that shares its glyph with the unit before it keeps its glyph as it was.
class EndingHyphens {
public:
    EndingHyphens(QTextEngine& engine, int start, int& end) : engine_(engine)
    {
        const QString& text = engine.layoutData->string;
        while (end > start && text.at(end - 1) == QChar::SoftHyphen) {
            const int item = engine.findItem(end - 1);
            const QScriptItem& si = engine.layoutData->items.at(item);
            const unsigned short* clusters = engine.logClusters(&si);
            const int at = end - 1 - si.position;
            if (at > 0 && end - 1 > start && clusters[at] == clusters[at - 1]) {
                Keep(item);
                return;
            }
            --end;
        }
    }
    ~EndingHyphens()
    {
        if (!kept_.empty())
            std::memcpy(engine_.shapedGlyphs(&engine_.layoutData->items[item_]).attributes, kept_.data(), kept_.size());
    }
    EndingHyphens(const EndingHyphens&) = delete;
    EndingHyphens& operator=(const EndingHyphens&) = delete;

private:
    void Keep(int item)
    {
        item_ = item;
        const QScriptItem& si = engine_.layoutData->items.at(item);
        const QGlyphAttributes* attributes = engine_.shapedGlyphs(&si).attributes;
        kept_.assign(attributes, attributes + si.num_glyphs);
    }

    QTextEngine& engine_;
    int item_ = 0;
    std::vector<QGlyphAttributes> kept_;
};

// The run's items drawn by the layout, their line starting at lineStart.
void DrawRun(QPainter& p, QTextLayout& layout, NarrowedLine& line, const TLineItems& items, const TShownLine::Run& run,
             const QPointF& lineStart, const QRectF& clip)
{
    QTextEngine& engine = *layout.engine();
    const QScriptItem& low = engine.layoutData->items.at(run.lowItem);
    const QScriptItem& high = engine.layoutData->items.at(run.highItem);
    const int start = qMax(items.LineFrom(), low.position);
    int end = qMin(items.LineEnd(), high.position + engine.length(run.highItem));
    std::optional<EndingHyphens> hyphens;
    if (end < items.LineEnd())
        hyphens.emplace(engine, start, end);
    if (end <= start)
        return;
    line.To(start, end);
    layout.draw(&p, lineStart + QPointF(items.X(run.from) / 64.0, 0), {}, clip);
}

// Visual places [from, to) as runs, without tabs (they draw nothing
// unformatted) and without the places that keep refuses.
template <typename Keep>
std::vector<TShownLine::Run> Runs(const QTextEngine& engine, const TLineItems& items, int from, int to, Keep keep)
{
    std::vector<TShownLine::Run> runs;
    for (int v = from; v < to; ++v) {
        const int item = items.Item(v);
        if (IsTab(engine, item) || !keep(item))
            continue;
        if (!runs.empty()) {
            TShownLine::Run& run = runs.back();
            if (run.to == v && (item == run.lowItem - 1 || item == run.highItem + 1)) {
                run.to = v + 1;
                run.lowItem = qMin(run.lowItem, item);
                run.highItem = qMax(run.highItem, item);
                continue;
            }
        }
        runs.push_back({v, v + 1, item, item});
    }
    return runs;
}

// The part of an item that the selection covers, from the line's start, as
// the layout's drawing measures it for its highlight. False when none.
bool SelectedPart(QTextEngine& engine, const TLineItems& items, int item, std::int64_t itemX, int start, int end,
                  std::int64_t& x, std::int64_t& width)
{
    QScriptItem& si = engine.layoutData->items[item];
    if (!si.num_glyphs)
        engine.shape(item);
    const int length = engine.length(item);
    if (si.analysis.flags >= QScriptAnalysis::TabOrObject) {
        if (si.position >= end || si.position + length <= start)
            return false;
        x = itemX;
        width = si.width.value();
        return true;
    }
    const int itemStart = qMax(items.LineFrom(), si.position);
    const int itemEnd = qMin(items.LineEnd(), si.position + length);
    const int from = qMax(itemStart, start) - si.position;
    const int to = qMin(itemEnd, end) - si.position;
    if (from >= to)
        return false;
    const unsigned short* clusters = engine.logClusters(&si);
    const QGlyphLayout glyphs = engine.shapedGlyphs(&si);
    const int glyphsStart = clusters[itemStart - si.position];
    const int glyphsEnd = itemEnd == si.position + length ? si.num_glyphs : clusters[itemEnd - si.position];
    const int startGlyph = clusters[from];
    const int endGlyph = to == length ? si.num_glyphs : clusters[to];
    QFixed offset;
    QFixed selected;
    // Right to left, the glyphs after the selection stand before it.
    const bool reversed = si.analysis.bidiLevel % 2;
    for (int g = reversed ? endGlyph : glyphsStart; g < (reversed ? glyphsEnd : startGlyph); ++g)
        offset += glyphs.effectiveAdvance(g);
    for (int g = startGlyph; g < endGlyph; ++g)
        selected += glyphs.effectiveAdvance(g);
    const QFixed inLigature = engine.offsetInLigature(&si, from, to, startGlyph);
    x = itemX + (offset + inLigature).value();
    width = (selected - inLigature + engine.offsetInLigature(&si, to, length, endGlyph)).value();
    return true;
}

// One drawing of the shown part: where it draws, and what Plan found.
struct Drawing {
    QPainter& p;
    QTextLayout& layout;
    NarrowedLine& line;
    const TLineItems& items;
    QPointF lineStart;
    QRectF clip;
    int first; // the visual places shown
    int last;
    const std::vector<TShownLine::Run>& runs;
};

void DrawRuns(const Drawing& d, const std::vector<TShownLine::Run>& runs)
{
    for (const TShownLine::Run& run : runs)
        DrawRun(d.p, d.layout, d.line, d.items, run, d.lineStart, d.clip);
}

// The selected part of each item, within the line's box and the clip,
// widened to whole pixels, as addSelectedRegionsToPath makes it.
QPainterPath Highlight(const Drawing& d, const TShownLine::Selection& selection)
{
    QTextEngine& engine = *d.layout.engine();
    const QScriptLine& whole = d.line.Whole();
    QRectF lineRect(d.lineStart.x() + whole.x.toReal(), d.lineStart.y() + whole.y.toReal(), whole.textWidth.toReal(),
                    whole.height().toReal());
    lineRect.setBottom(qCeil(lineRect.bottom()));
    const QRectF within = lineRect & d.clip;
    const std::int64_t origin = QFixed::fromReal(d.lineStart.x()).value() + whole.x.value();
    QPainterPath highlight;
    highlight.setFillRule(Qt::WindingFill);
    for (int v = d.first; v < d.last; ++v) {
        std::int64_t x = 0;
        std::int64_t width = 0;
        if (SelectedPart(engine, d.items, d.items.Item(v), d.items.X(v), selection.start, selection.end, x, width)
            && width > 0) {
            const QRectF part((origin + x) / 64.0, d.lineStart.y() + whole.y.toReal(), width / 64.0,
                              whole.height().toReal());
            highlight.addRect((within & part).toAlignedRect());
        }
    }
    return highlight;
}

void FillHighlight(const Drawing& d, const QPainterPath& highlight, const QBrush& brush)
{
    d.p.save();
    d.p.setPen(Qt::NoPen);
    d.p.setBrush(brush);
    d.p.drawPath(highlight);
    d.p.restore();
}

// The selected items in the highlighted colour, within the highlight.
void DrawSelected(const Drawing& d, const TShownLine::Selection& selection, const QPainterPath& highlight)
{
    QTextEngine& engine = *d.layout.engine();
    const std::vector<TShownLine::Run> selected = Runs(engine, d.items, d.first, d.last, [&](int item) {
        std::int64_t x = 0;
        std::int64_t width = 0;
        return SelectedPart(engine, d.items, item, 0, selection.start, selection.end, x, width);
    });
    d.p.save();
    d.p.setClipPath(highlight, Qt::IntersectClip);
    d.p.setPen(QPen(selection.highlightedText, 0));
    DrawRuns(d, selected);
    d.p.restore();
}

// The rest outside the highlight, within the line's box reaching right
// without end, as QTextLayout::draw clips its text outside the selections.
void DrawOutside(const Drawing& d, const QPainterPath& highlight)
{
    const QScriptLine& whole = d.line.Whole();
    QRectF box(d.lineStart.x() + whole.x.toReal(), d.lineStart.y() + whole.y.toReal(), whole.textWidth.toReal(),
               whole.height().ceil().toReal());
    box.setRight(QFIXED_MAX);
    QPainterPath outside;
    outside.addRect(box & d.clip);
    outside -= highlight;
    d.p.save();
    d.p.setClipPath(outside, Qt::IntersectClip);
    DrawRuns(d, d.runs);
    d.p.restore();
}

} // namespace

bool TShownLine::Plan(QTextLayout& layout, const TLineItems& items, qreal left, qreal right)
{
    const auto [first, last] =
        items.Between(static_cast<std::int64_t>(left * 64), static_cast<std::int64_t>(right * 64));
    first_ = first;
    last_ = last;
    const QTextEngine& engine = *layout.engine();
    const QList<QTextLayout::FormatRange> formats = layout.formats();
    if (!formats.isEmpty())
        for (int v = first_; v < last_; ++v) {
            const int item = items.Item(v);
            if (!IsTab(engine, item))
                continue;
            const int at = engine.layoutData->items.at(item).position;
            for (const QTextLayout::FormatRange& range : formats)
                if (at >= range.start && at < range.start + range.length)
                    return false;
        }
    runs_ = Runs(engine, items, first_, last_, [](int) { return true; });
    return static_cast<int>(runs_.size()) <= MostRuns;
}

void TShownLine::Draw(QPainter& p, QTextLayout& layout, const TLineItems& items, const QPoint& topLeft,
                      const QRect& clip, const Selection* selection) const
{
    NarrowedLine line(*layout.engine());
    const Drawing d{p, layout, line, items, QPointF(topLeft) + layout.position(), QRectF(clip), first_, last_, runs_};
    const QPainterPath highlight = selection ? Highlight(d, *selection) : QPainterPath();
    // Without a highlight in view the layout draws its text as unselected.
    if (highlight.isEmpty()) {
        DrawRuns(d, runs_);
        return;
    }
    FillHighlight(d, highlight, selection->highlight);
    DrawSelected(d, *selection, highlight);
    DrawOutside(d, highlight);
}
