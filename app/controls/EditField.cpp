// The edit field: the line edit's own paint, or on a long line the field's,
// where the build has it.
#include "EditField.h"

#include <QStyleOptionFrame>

#if TINTLINE_LONG_LINE_PAINT
#include "LongLinePaint.h"
#else
// This build paints with the line edit alone.
class TLongLinePaint {};
#endif

TEditField::TEditField(QWidget* parent) : QLineEdit(parent)
{
#if TINTLINE_LONG_LINE_PAINT
    longLines_ = std::make_unique<TLongLinePaint>();
#endif
}

TEditField::~TEditField() = default;

bool TEditField::DrawsLongLines() { return TINTLINE_LONG_LINE_PAINT; }

void TEditField::paintEvent(QPaintEvent* e)
{
#if TINTLINE_LONG_LINE_PAINT
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    if (longLines_->Paint(*this, panel, OwnDrawingFrom))
        return;
#endif
    QLineEdit::paintEvent(e);
}
