#pragma once
// "Border only" controls (the definition's styleElements "seBorder"): the
// visual style paints their border, while background and text keep the
// control's own colours. Under a style sheet Qt gives a scroll area's
// viewport a palette of its own when it is polished, so a later colour
// change of the control would not show; this keeps the two in step.
#include <QAbstractScrollArea>
#include <QObject>

class TBorderOnly : public QObject {
public:
    explicit TBorderOnly(QAbstractScrollArea* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Sync();
    QAbstractScrollArea* control_;
};

// Applies TBorderOnly to each scroll-area child of root marked "seBorder".
void ApplyBorderOnly(QWidget* root);
