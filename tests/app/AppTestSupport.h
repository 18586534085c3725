#pragma once
// Helpers for the window tests: texts from units, the memo as a list, the
// window as start-up builds it.
#include "MainForm.h"
#include "QtText.h"
#include "StartUp.h"
#include "TestText.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTest>

#include <initializer_list>

namespace at {

// A text of single units and literal pieces, as the edit field takes it:
// Q({0x03, "12", u'x'}).
inline QString Q(std::initializer_list<tt::Piece> pieces) { return ToQString(tt::T(pieces)); }

inline QStringList MemoTexts(const TForm1& form)
{
    QStringList lines;
    for (int i = 0; i < form.MemoLines().Count(); ++i)
        lines << ToQString(form.MemoLines().Get(i));
    return lines;
}

// The window as start-up builds it: the application's names and icon, the
// style applied before the window is made, then the window. Layout, font and
// keyboard tests use it, so that they see what the style does to the window.
class StartedWindow {
public:
    StartedWindow() : main_(Initialized()) {}
    TForm1& Form() { return main_.Form(); }

    // Shown and active, as the message loop shows it: keys go to its focus.
    bool ShowActive()
    {
        Form().show();
        Form().activateWindow();
        return QTest::qWaitForWindowActive(&Form());
    }

private:
    static QString Initialized()
    {
        InitializeApplication();
        return QString::fromLatin1(AppStyleName);
    }
    TMainFormHolder main_;
};

// Replaces the text of an editable field by typing, as a user does.
inline void TypeOver(QWidget* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

// A click on a check box's square, where a user clicks it.
inline void ClickBox(QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect square = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, square.center());
}

// Counts the font changes a widget receives.
class FontChanges : public QObject {
public:
    explicit FontChanges(QWidget& w) { w.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        count += e->type() == QEvent::FontChange;
        return false;
    }
};

} // namespace at
