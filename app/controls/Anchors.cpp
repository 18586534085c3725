// Anchored layout: children keep their anchored sides as the window resizes.
#include "Anchors.h"

#include <QEvent>

#include <algorithm>
#include <utility>

namespace {

// Position and length on one axis after the window grew by delta.
std::pair<int, int> Span(int pos, int length, int delta, bool nearSide, bool farSide)
{
    if (nearSide && farSide)
        return {pos, std::max(0, length + delta)};
    if (farSide)
        return {pos + delta, length};
    return {pos, length};
}

} // namespace

TAnchors::TAnchors(QWidget* window) : QObject(window), window_(window), design_(window->size())
{
    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QVariant v = w->property(Property);
        if (!v.isValid())
            continue;
        const QString sides = v.toString().toUpper();
        items_.push_back(
            {w, w->geometry(), sides.contains('L'), sides.contains('T'), sides.contains('R'), sides.contains('B')});
    }
    window->installEventFilter(this);
}

void TAnchors::Apply()
{
    const int dx = window_->width() - design_.width();
    const int dy = window_->height() - design_.height();
    for (const Item& item : items_) {
        if (!item.widget)
            continue;
        const auto [x, w] = Span(item.design.x(), item.design.width(), dx, item.left, item.right);
        const auto [y, h] = Span(item.design.y(), item.design.height(), dy, item.top, item.bottom);
        item.widget->setGeometry(x, y, w, h);
    }
}

bool TAnchors::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Resize)
        Apply();
    return QObject::eventFilter(watched, event);
}
