// The "Font" command as a user meets it: the window built as start-up
// builds it, the preview's menu opened with a right-click, the real font
// dialog driven with key presses and clicks.
#include "AppTestSupport.h"
#include "ErrorBox.h"
#include "FontChooserDialog.h"
#include "ModalDriver.h"
#include "PreviewFont.h"
#include "RichEdit.h"
#include "StartUp.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextCursor>

using namespace at;

namespace {

const QString PreviewText = QStringLiteral("preview line");

template <class W>
W* Child(QDialog& dialog, const char* name)
{
    W* w = dialog.findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qFatal("the font dialog has no %s", name);
    return w;
}

// What a cancelled dialog must leave as it was.
struct PreviewState {
    QFont font;
    QColor color, background;
    int charset;
    QWidget* focus;
    int cursor, anchor;
    bool operator==(const PreviewState&) const = default;
};

PreviewState StateOf(TForm1& form)
{
    const QTextCursor c = form.TestRTF->textCursor();
    return {form.TestRTF->font(),
            form.TestRTF->FontColor(),
            form.TestRTF->Color(),
            TControlFont(*form.TestRTF).Get().Charset,
            form.focusWidget(),
            c.position(),
            c.anchor()};
}

// The window as start-up makes it, shown, with a line in the preview, the
// caret of the preview inside it.
class Window {
public:
    Window()
    {
        InitializeApplication();
        form().show();
        QTextCursor c(form().TestRTF->document());
        c.insertText(PreviewText);
        c.setPosition(2);
        form().TestRTF->setTextCursor(c);
    }
    TForm1& form() { return main_.Form(); }

private:
    TMainFormHolder main_;
};

// Right-click on the preview, then "Font" in its menu.
void ChooseFontFromMenu(TForm1& form)
{
    // Through the window, as the platform delivers it: that is where a
    // right-click turns into a context-menu request.
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, QPoint(300, 100));
    QVERIFY(form.RTFPopup->isVisible());
    QTest::mouseClick(form.RTFPopup, Qt::LeftButton, {}, form.RTFPopup->actionGeometry(form.Font1).center());
}

// Family, style, size, underline, colour and writing system all changed.
void ChangeEverything(QDialog& dialog)
{
    TypeOver(Child<QFontComboBox>(dialog, "Family"), "DejaVu Serif");
    QTest::keyClick(Child<QFontComboBox>(dialog, "Family"), Qt::Key_Tab);
    QTest::keyClicks(Child<QComboBox>(dialog, "Style"), "Bold");
    TypeOver(Child<QSpinBox>(dialog, "Size"), "14");
    ClickBox(Child<QCheckBox>(dialog, "Underline"));
    QTest::keyClicks(Child<QComboBox>(dialog, "Color"), "04");
    QTest::keyClicks(Child<QComboBox>(dialog, "WritingSystem"), "Gr");
}

bool HasFamily(const QString& family) { return QFontDatabase::families().contains(family); }

} // namespace

class FontCommandTest : public QObject {
    Q_OBJECT
private slots:
    void opensOnPreviewFontAndCancels_data();
    void opensOnPreviewFontAndCancels();
    void confirmedCopiesChoiceButStyle_data();
    void confirmedCopiesChoiceButStyle();
    void confirmedUntouchedKeepsLook();
};

void FontCommandTest::opensOnPreviewFontAndCancels_data()
{
    QTest::addColumn<QString>("background");
    QTest::addColumn<bool>("escape");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QColor>("sampleBack");
    QTest::newRow("dark, Escape") << "DarkBackground1" << true << "00 White" << QColor(0, 0, 0x40);
    QTest::newRow("dark, Cancel") << "DarkBackground1" << false << "00 White" << QColor(0, 0, 0x40);
    QTest::newRow("light, Escape") << "LightBackground1" << true << "01 Black" << QColor(255, 255, 255);
    QTest::newRow("light, Cancel") << "LightBackground1" << false << "01 Black" << QColor(255, 255, 255);
}

void FontCommandTest::opensOnPreviewFontAndCancels()
{
    QFETCH(QString, background);
    QFETCH(bool, escape);
    QFETCH(QString, color);
    QFETCH(QColor, sampleBack);
    if (!HasFamily("DejaVu Serif"))
        QSKIP("DejaVu Serif not installed");
    Window window;
    TForm1& form = window.form();
    form.findChild<QAction*>(background)->trigger();
    // The preview's font as the screen shows it.
    const QFontInfo shown(form.TestRTF->font());

    PreviewState before{};
    TModalDriver<TFontChooserDialog> driver([&](TFontChooserDialog& dialog) {
        before = StateOf(form);
        QCOMPARE(Child<QFontComboBox>(dialog, "Family")->currentText(), shown.family());
        QCOMPARE(Child<QComboBox>(dialog, "Style")->currentText(), shown.styleName());
        QCOMPARE(Child<QSpinBox>(dialog, "Size")->value(), 12);
        QVERIFY(!Child<QCheckBox>(dialog, "Underline")->isChecked());
        QVERIFY(!Child<QCheckBox>(dialog, "Strikeout")->isChecked());
        QCOMPARE(Child<QComboBox>(dialog, "Color")->currentText(), color);
        QCOMPARE(Child<QComboBox>(dialog, "WritingSystem")->currentText(), QString("Character set 254"));
        QLineEdit* sample = Child<QLineEdit>(dialog, "Sample");
        const QImage image = sample->grab().toImage();
        QCOMPARE(image.pixelColor(4, image.height() / 2), sampleBack);

        ChangeEverything(dialog);
        QCOMPARE(Child<QFontComboBox>(dialog, "Family")->currentText(), QString("DejaVu Serif"));
        QCOMPARE(Child<QComboBox>(dialog, "WritingSystem")->currentText(), QString("Greek"));
        if (escape)
            QTest::keyClick(Child<QComboBox>(dialog, "WritingSystem"), Qt::Key_Escape);
        else
            QTest::mouseClick(Child<QDialogButtonBox>(dialog, "Buttons")->button(QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    });
    ChooseFontFromMenu(form);
    QVERIFY(driver.Ran());
    // Font, colour, charset, focus and selection as the command found them;
    // the right-click itself gave the preview the keyboard.
    QVERIFY(StateOf(form) == before);
    QCOMPARE(before.focus, form.TestRTF);
    QCOMPARE(form.TestRTF->textCursor().position(), 2);
    QVERIFY(!form.TestRTF->textCursor().hasSelection());
}

void FontCommandTest::confirmedCopiesChoiceButStyle_data()
{
    QTest::addColumn<bool>("returnKey");
    QTest::newRow("OK button") << false;
    QTest::newRow("Return key") << true;
}

void FontCommandTest::confirmedCopiesChoiceButStyle()
{
    QFETCH(bool, returnKey);
    if (!HasFamily("DejaVu Serif"))
        QSKIP("DejaVu Serif not installed");
    Window window;
    TForm1& form = window.form();
    TModalDriver<TFontChooserDialog> driver([&](TFontChooserDialog& dialog) {
        ChangeEverything(dialog);
        if (returnKey)
            QTest::keyClick(Child<QSpinBox>(dialog, "Size"), Qt::Key_Return);
        else
            QTest::mouseClick(Child<QDialogButtonBox>(dialog, "Buttons")->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    });
    ChooseFontFromMenu(form);
    QVERIFY(driver.Ran());

    const QFont f = form.TestRTF->font();
    QCOMPARE(QFontInfo(f).family(), QString("DejaVu Serif"));
    QCOMPARE(f.pointSize(), 14);
    QVERIFY(!f.fixedPitch());
    QCOMPARE(form.TestRTF->FontColor(), QColor(255, 0, 0));
    QCOMPARE(TControlFont(*form.TestRTF).Get().Charset, 161);
    // The bold and the underline chosen in the dialog are not taken over.
    QVERIFY(!f.bold());
    QVERIFY(!f.underline());
    QCOMPARE(form.TestRTF->Color(), QColor(0, 0, 0x40));
    // The preview has the keyboard and its whole text is selected.
    QCOMPARE(form.focusWidget(), form.TestRTF);
    const QTextCursor c = form.TestRTF->textCursor();
    QCOMPARE(c.selectionStart(), 0);
    QCOMPARE(c.selectionEnd(), PreviewText.size());
}

void FontCommandTest::confirmedUntouchedKeepsLook()
{
    Window window;
    TForm1& form = window.form();
    const QFontInfo before(form.TestRTF->font());
    TModalDriver<TFontChooserDialog> driver([&](TFontChooserDialog& dialog) {
        QTest::mouseClick(Child<QDialogButtonBox>(dialog, "Buttons")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    ChooseFontFromMenu(form);
    QVERIFY(driver.Ran());
    const QFontInfo after(form.TestRTF->font());
    QCOMPARE(after.family(), before.family());
    QCOMPARE(after.styleName(), before.styleName());
    QCOMPARE(after.pixelSize(), before.pixelSize());
    QCOMPARE(form.TestRTF->FontColor(), QColor(255, 255, 255));
    QCOMPARE(TControlFont(*form.TestRTF).Get().Charset, 254);
    QCOMPARE(form.focusWidget(), form.TestRTF);
    QCOMPARE(form.TestRTF->textCursor().selectionEnd(), PreviewText.size());
}

QTEST_MAIN(FontCommandTest)
#include "FontCommandTest.moc"
