// One look: the info box, the error box and the font dialog follow the
// window's style, their buttons carry no icons, a ticked check box shows a
// tick, and keyboard focus shows on every control of the tab order.
#include "AppTestSupport.h"
#include "ErrorBox.h"
#include "FontChooserDialog.h"
#include "ModalDriver.h"
#include "RichEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTimer>

#include <functional>

using namespace at;

namespace {

const QColor Face(0x1f, 0x22, 0x28);

bool IsLight(QRgb rgb) { return qRed(rgb) >= 230 && qGreen(rgb) >= 230 && qBlue(rgb) >= 230; }

// Runs open, which shows a modal box and waits; takes a picture of the box
// and of its buttons as soon as it shows, then closes it as cancelled.
struct ModalShot {
    QImage box;
    QList<QImage> buttons;
};

ModalShot ShootModal(const std::function<void()>& open)
{
    ModalShot shot;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll.stop();
        shot.box = box->grab().toImage();
        for (QPushButton* b : box->findChildren<QPushButton*>())
            if (b->isVisible())
                shot.buttons << b->grab().toImage();
        box->reject();
    });
    poll.start(0);
    open();
    return shot;
}

// Fusion as a desktop platform has it: dialog buttons ask for icons.
class IconButtonsStyle : public QProxyStyle {
public:
    IconButtonsStyle() : QProxyStyle(QStringLiteral("Fusion")) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

// Runs open, which shows a modal Box and waits; gives the captions of the
// box's buttons that carry an icon, or "not shown".
template <class Box>
QStringList ButtonsWithIcons(const std::function<void()>& open)
{
    QStringList withIcon{QStringLiteral("not shown")};
    TModalDriver<Box> driver([&](Box& box) {
        withIcon.clear();
        for (QPushButton* b : box.template findChildren<QPushButton*>())
            if (b->isVisible() && !b->icon().isNull())
                withIcon << b->text();
    });
    open();
    return withIcon;
}

} // namespace

class LookTest : public QObject {
    Q_OBJECT
private slots:
    void boxesFollowTheStyle_data();
    void boxesFollowTheStyle();
    void buttonsWithoutIcons_data();
    void buttonsWithoutIcons();
    void tickedBoxShowsATick();
    void focusShows_data();
    void focusShows();
};

void LookTest::boxesFollowTheStyle_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("Info") << "Info";
    QTest::newRow("error") << "error";
    QTest::newRow("Font") << "Font";
}

void LookTest::boxesFollowTheStyle()
{
    QFETCH(QString, box);
    StartedWindow started;
    TForm1& form = started.Form();
    QVERIFY(started.ShowActive());
    const TExceptionSink old = SetExceptionSink({}); // the real error box
    const ModalShot shot = ShootModal([&] {
        if (box == "Info")
            form.Info1->trigger();
        else if (box == "error")
            ShowException(QStringLiteral("'x' is not a valid integer value"));
        else
            form.Font1->trigger();
    });
    SetExceptionSink(old);
    QVERIFY(!shot.box.isNull());
    // The box's face is the window's, not the light grey of an unstyled one.
    QCOMPARE(QColor(shot.box.pixel(3, 3)), Face);
    QVERIFY(!shot.buttons.isEmpty());
    for (const QImage& b : shot.buttons) {
        const QColor middle = b.pixelColor(b.width() / 2, b.height() - 4);
        QVERIFY2(middle.lightness() < 128, qPrintable(middle.name()));
    }
}

void LookTest::buttonsWithoutIcons_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("Info") << "Info";
    QTest::newRow("error") << "error";
    QTest::newRow("Font") << "Font";
    QTest::newRow("More colors") << "More colors";
}

void LookTest::buttonsWithoutIcons()
{
    QFETCH(QString, box);
    StartedWindow started;
    TForm1& form = started.Form();
    // The window's sheet over a base style that asks for icons.
    QApplication::setStyle(new IconButtonsStyle);
    QVERIFY(!qApp->styleSheet().isEmpty());
    QVERIFY(started.ShowActive());
    const TExceptionSink old = SetExceptionSink({}); // the real error box
    QStringList withIcon;
    if (box == "Info")
        withIcon = ButtonsWithIcons<QMessageBox>([&] { form.Info1->trigger(); });
    else if (box == "error")
        withIcon =
            ButtonsWithIcons<QMessageBox>([] { ShowException(QStringLiteral("'x' is not a valid integer value")); });
    else if (box == "Font")
        withIcon = ButtonsWithIcons<TFontChooserDialog>([&] { form.Font1->trigger(); });
    else
        withIcon = ButtonsWithIcons<QColorDialog>([&] {
            TModalDriver<TFontChooserDialog> font([](TFontChooserDialog& dialog) {
                QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("MoreColors")), Qt::LeftButton);
            });
            form.Font1->trigger();
        });
    SetExceptionSink(old);
    QVERIFY2(withIcon.isEmpty(), qPrintable(withIcon.join(QStringLiteral(", "))));
}

void LookTest::tickedBoxShowsATick()
{
    StartedWindow started;
    TForm1& form = started.Form();
    form.show();
    QCheckBox* box = form.ToggleCheck;
    QStyleOptionButton option;
    option.initFrom(box);
    // Inside the indicator's frame.
    const QRect inside =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).adjusted(2, 2, -2, -2);
    auto lightPixels = [&] {
        const QImage image = box->grab().toImage();
        int n = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                n += IsLight(image.pixel(x, y));
        return n;
    };
    QVERIFY(inside.width() >= 5 && inside.height() >= 5);
    QCOMPARE(lightPixels(), 0);
    box->setChecked(true);
    const int tick = lightPixels();
    // A tick, not a filled square: light strokes on a dark ground.
    QVERIFY2(tick >= 4 && tick <= inside.width() * inside.height() / 2, qPrintable(QString::number(tick)));
}

void LookTest::focusShows_data()
{
    QTest::addColumn<QString>("control");
    for (const char* name : {"IRCEdit", "Button1", "ResultMemo", "TestRTF", "Button2", "ToggleCheck"})
        QTest::newRow(name) << name;
}

void LookTest::focusShows()
{
    QFETCH(QString, control);
    StartedWindow started;
    TForm1& form = started.Form();
    QVERIFY(started.ShowActive());
    QWidget* w = form.findChild<QWidget*>(control);
    QVERIFY(w);
    // The frame of a control, or the whole of the check box, whose focus
    // marks its caption; an edit's caret alone does not count.
    const bool whole = qobject_cast<QCheckBox*>(w);
    auto frame = [&] {
        QImage image = w->grab().toImage();
        if (!whole) {
            const QRect inner = image.rect().adjusted(3, 3, -3, -3);
            for (int y = inner.top(); y <= inner.bottom(); ++y)
                for (int x = inner.left(); x <= inner.right(); ++x)
                    image.setPixel(x, y, 0);
        }
        return image;
    };
    QWidget* other = w == form.Button2 ? static_cast<QWidget*>(form.Button1) : form.Button2;
    other->setFocus(Qt::TabFocusReason);
    QVERIFY(!w->hasFocus());
    const QImage without = frame();
    w->setFocus(Qt::TabFocusReason);
    QVERIFY(w->hasFocus());
    QVERIFY2(frame() != without, "focus does not show");
}

QTEST_MAIN(LookTest)
#include "LookTest.moc"
