// The window definition's font heights applied to its controls, and labels fitted to their captions.
#include "FormDefinition.h"

#include <QLabel>

#include <cstdlib>

namespace {
void ApplyFontHeight(QWidget* w)
{
    const QVariant height = w->property("fontHeight");
    if (!height.isValid() || height.toInt() == 0)
        return;
    QFont f = w->font();
    f.setPixelSize(std::abs(height.toInt()));
    w->setFont(f);
}
} // namespace

void ApplyFontHeights(QWidget* root)
{
    ApplyFontHeight(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        ApplyFontHeight(w);
}

void FitLabels(QWidget* root)
{
    for (QLabel* label : root->findChildren<QLabel*>()) {
        const int needed = label->sizeHint().width();
        if (needed > label->width())
            label->resize(needed, label->height());
    }
}
