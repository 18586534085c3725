// "Border only" controls: the style paints the border, the control its own colours.
#include "BorderOnly.h"

#include <QEvent>

TBorderOnly::TBorderOnly(QAbstractScrollArea* control) : QObject(control), control_(control)
{
    control->installEventFilter(this);
    control->viewport()->installEventFilter(this);
}

bool TBorderOnly::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && (watched == control_ || watched == control_->viewport()))
        Sync();
    return QObject::eventFilter(watched, event);
}

void TBorderOnly::Sync()
{
    QWidget* viewport = control_->viewport();
    QPalette p = viewport->palette();
    const QPalette& own = control_->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (auto role : {QPalette::Base, QPalette::Text})
            p.setBrush(group, role, own.brush(group, role));
    if (p != viewport->palette() || p.resolveMask() != viewport->palette().resolveMask())
        viewport->setPalette(p);
}

void ApplyBorderOnly(QWidget* root)
{
    for (QAbstractScrollArea* area : root->findChildren<QAbstractScrollArea*>())
        if (area->property("styleElements").toString() == QLatin1String("seBorder"))
            new TBorderOnly(area);
}
