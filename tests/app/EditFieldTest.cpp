// The edit field of the window as start-up builds it, against a plain line
// edit beside it with the same text, font, size and style: the same picture
// at every caret position and selection, long and short lines, codes,
// surrogate pairs and lone surrogates; the same text, caret and selection
// after the same keys and clicks; the caret's blink; the edit menu.
#include "EditField.h"
#include "AppTestSupport.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>

#include <functional>
#include <memory>

using namespace at;
using tt::B, tt::C, tt::FF, tt::I, tt::R, tt::U;

namespace {

using Action = std::function<void(QLineEdit&)>;

// A line of at least length units: piece repeated, cut at a whole piece.
QString Repeated(const QString& piece, int length)
{
    QString line;
    while (line.size() < length)
        line += piece;
    return line;
}

const int Long = TEditField::OwnDrawingFrom * 5;

QString CodedLine()
{
    return Repeated(
        Q({"<nick> ", B, "bold", B, " ", C, "04,12red", C, " text\t", U, "line", U, " ", FF, I, "it", R, " "}), Long);
}

QString PairsLine() { return Repeated(QString::fromUtf16(u"smile \xD83D\xDE00 ok \x02\xD83D\xDC4D, "), Long); }

QString LoneLine()
{
    return Repeated(QString::fromUtf16(u"lone \xD800 high, \xDFFF low \x03"
                                       u"5 "),
                    Long);
}

// Characters from a fallback font with a taller box, and combining marks.
QString TallLine() { return Repeated(QString::fromUtf8("wide 漢字 e\u0301t\u00e9 "), Long); }

// A place in the text: a fraction of its length, then a few units more or
// less, kept inside the text.
int At(const QLineEdit& e, double fraction, int units = 0)
{
    return qBound(0, int(e.text().size() * fraction) + units, int(e.text().size()));
}

Action Caret(double fraction, int units = 0)
{
    return [=](QLineEdit& e) { e.setCursorPosition(At(e, fraction, units)); };
}

Action Select(double fraction, int units, int length)
{
    return [=](QLineEdit& e) { e.setSelection(At(e, fraction, units), length); };
}

Action Then(Action first, Action second)
{
    return [first, second](QLineEdit& e) {
        first(e);
        e.grab();
        second(e);
    };
}

} // namespace

Q_DECLARE_METATYPE(Action)

class EditFieldTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void looksLikeALineEdit_data();
    void looksLikeALineEdit();
    void blinksLikeALineEdit();
    void keysEditLikeALineEdit_data();
    void keysEditLikeALineEdit();
    void clicksLikeALineEdit_data();
    void clicksLikeALineEdit();
    void editMenuReplacesTheStandardOne();

private:
    TForm1& Form() { return window_->Form(); }
    QLineEdit& Field() { return *Form().IRCEdit; }
    // The field and the plain line edit, each with the focus in turn (or
    // neither), given text, shown once as after a paste, then changed by act.
    void Prepare(QLineEdit& edit, const QString& text, bool focus, const Action& act);
    void CompareLook(const QString& text, bool focus, const Action& act);
    // Pictures of edit with the caret on, off after a blink, and on again
    // after keys that leave it where it was.
    void Blink(QLineEdit& edit, const QString& text, QList<QImage>& shots);

    std::unique_ptr<StartedWindow> window_;
    QLineEdit* plain_ = nullptr;
};

void EditFieldTest::initTestCase()
{
    window_ = std::make_unique<StartedWindow>();
    QVERIFY(window_->ShowActive());
    QVERIFY(qobject_cast<TEditField*>(&Field()));
}

void EditFieldTest::init()
{
    // A steady caret for the pictures; the blink has a test of its own.
    QApplication::setCursorFlashTime(0);
    plain_ = new QLineEdit(&Form());
    plain_->setGeometry(Field().geometry());
    plain_->setMaxLength(Field().maxLength());
    plain_->setFont(Field().font());
    plain_->show();
    Field().clear();
    // Both have had the focus once: a line edit shows its caret with a
    // selection it is given without the focus only after that.
    for (QLineEdit* edit : {plain_, &Field()}) {
        edit->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
    }
    Form().Button1->setFocus(Qt::OtherFocusReason);
}

void EditFieldTest::cleanup()
{
    delete plain_;
    plain_ = nullptr;
    QApplication::setCursorFlashTime(1000);
}

void EditFieldTest::Prepare(QLineEdit& edit, const QString& text, bool focus, const Action& act)
{
    if (focus)
        edit.setFocus(Qt::OtherFocusReason);
    else
        Form().Button1->setFocus(Qt::OtherFocusReason);
    edit.setText(text);
    edit.grab();
    act(edit);
    QCoreApplication::processEvents();
    QCOMPARE(edit.hasFocus(), focus);
}

void EditFieldTest::CompareLook(const QString& text, bool focus, const Action& act)
{
    // What the line edit shows and holds, taken before the field gets the
    // focus, which takes the line edit's selection away.
    Prepare(*plain_, text, focus, act);
    const QImage expected = plain_->grab().toImage();
    const QVariantList expectedState{plain_->inputMethodQuery(Qt::ImCursorRectangle), plain_->text(),
                                     plain_->cursorPosition(), plain_->selectionStart(), plain_->selectionLength()};
    Prepare(Field(), text, focus, act);
    const QImage shown = Field().grab().toImage();
    if (shown != expected) {
        shown.save(QStringLiteral("EditFieldTest-shown.png"));
        expected.save(QStringLiteral("EditFieldTest-expected.png"));
    }
    QVERIFY2(shown == expected, "the field differs from a line edit: see EditFieldTest-*.png");
    const QVariantList state{Field().inputMethodQuery(Qt::ImCursorRectangle), Field().text(), Field().cursorPosition(),
                             Field().selectionStart(), Field().selectionLength()};
    QCOMPARE(state, expectedState);
}

void EditFieldTest::looksLikeALineEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focus");
    QTest::addColumn<Action>("act");
    const struct {
        const char* name;
        QString text;
    } lines[] = {{"coded", CodedLine()},
                 {"pairs", PairsLine()},
                 {"lone", LoneLine()},
                 {"tall", TallLine()},
                 {"short", Q({"short ", C, "4red", B, " line"})},
                 {"at the threshold", CodedLine().left(TEditField::OwnDrawingFrom)}};
    const struct {
        const char* name;
        bool focus;
        Action act;
    } states[] = {
        {"end", true, Caret(1)},
        {"start", true, Caret(0)},
        {"middle", true, Caret(0.5)},
        {"middle from the start", true, Then(Caret(0), Caret(0.5))},
        {"back from the end by a little", true, Then(Caret(1), Caret(1, -30))},
        {"selection in view", true, Then(Caret(0.5, 40), Select(0.5, 0, 40))},
        {"selection out of view both sides", true, Then(Caret(0.5), Select(0.5, -900, 2000))},
        {"selection backwards to the start", true, Select(1, 0, -Long)},
        {"all selected", true, [](QLineEdit& e) { e.selectAll(); }},
        {"without focus", false, Caret(0.5)},
        {"without focus, selected", false, Select(0.5, 0, 25)},
    };
    for (const auto& line : lines)
        for (const auto& state : states)
            QTest::addRow("%s, %s", line.name, state.name) << line.text << state.focus << state.act;
}

void EditFieldTest::looksLikeALineEdit()
{
    QFETCH(QString, text);
    QFETCH(bool, focus);
    QFETCH(Action, act);
    CompareLook(text, focus, act);
}

void EditFieldTest::Blink(QLineEdit& edit, const QString& text, QList<QImage>& shots)
{
    Prepare(edit, text, true, Caret(0.3));
    shots << edit.grab().toImage();
    QImage off;
    QTRY_VERIFY_WITH_TIMEOUT((off = edit.grab().toImage()) != shots[0], 5000);
    shots << off;
    QTest::keyClick(&edit, Qt::Key_Right);
    QTest::keyClick(&edit, Qt::Key_Left);
    shots << edit.grab().toImage();
}

void EditFieldTest::blinksLikeALineEdit()
{
    QApplication::setCursorFlashTime(400);
    const QString text = CodedLine();
    QList<QImage> expected;
    QList<QImage> shown;
    Blink(*plain_, text, expected);
    Blink(Field(), text, shown);
    QCOMPARE(expected.size(), 3);
    QCOMPARE(shown.size(), 3);
    QVERIFY(expected[2] == expected[0]);
    QVERIFY(shown[0] == expected[0]);
    QVERIFY(shown[1] == expected[1]);
    QVERIFY(shown[2] == expected[2]);
}

void EditFieldTest::keysEditLikeALineEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Action>("keys");
    auto type = [](QList<QPair<Qt::Key, Qt::KeyboardModifiers>> keys, QString typed = {}) -> Action {
        return [keys, typed](QLineEdit& e) {
            for (const auto& [key, modifiers] : keys)
                QTest::keyClick(&e, key, modifiers);
            QTest::keyClicks(&e, typed);
        };
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    for (const auto& [name, text] : {std::pair{"coded", CodedLine()}, std::pair{"pairs", PairsLine()}}) {
        QTest::addRow("%s: typed at the end", name) << text << type({{Qt::Key_End, none}}, "ab");
        QTest::addRow("%s: typed at the start", name) << text << type({{Qt::Key_Home, none}}, "x");
        QTest::addRow("%s: typed in the middle", name) << text << Then(Caret(0.5), type({}, "yz"));
        QTest::addRow("%s: back-spaced at the end", name)
            << text << type({{Qt::Key_End, none}, {Qt::Key_Backspace, none}, {Qt::Key_Backspace, none}});
        QTest::addRow("%s: shift+home from the end", name)
            << text << type({{Qt::Key_End, none}, {Qt::Key_Home, shift}});
        QTest::addRow("%s: shift+right from the start", name)
            << text
            << type({{Qt::Key_Home, none}, {Qt::Key_Right, shift}, {Qt::Key_Right, shift}, {Qt::Key_Right, shift}});
        QTest::addRow("%s: shift+left in the middle, typed over", name)
            << text << Then(Caret(0.5), type({{Qt::Key_Left, shift}, {Qt::Key_Left, shift}}, "Q"));
        QTest::addRow("%s: left and right walk", name)
            << text << type({{Qt::Key_End, none}, {Qt::Key_Left, none}, {Qt::Key_Left, none}, {Qt::Key_Right, none}});
    }
}

void EditFieldTest::keysEditLikeALineEdit()
{
    QFETCH(QString, text);
    QFETCH(Action, keys);
    CompareLook(text, true, keys);
}

void EditFieldTest::clicksLikeALineEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Action>("mouse");
    auto click = [](int x, Qt::KeyboardModifiers modifiers = {}) -> Action {
        return [x, modifiers](QLineEdit& e) { QTest::mouseClick(&e, Qt::LeftButton, modifiers, QPoint(x, 10)); };
    };
    auto drag = [](int from, int to) -> Action {
        return [from, to](QLineEdit& e) {
            QTest::mousePress(&e, Qt::LeftButton, {}, QPoint(from, 10));
            QTest::mouseMove(&e, QPoint(to, 10));
            QTest::mouseRelease(&e, Qt::LeftButton, {}, QPoint(to, 10));
        };
    };
    const QString text = CodedLine();
    QTest::newRow("click, scrolled to the end") << text << click(40);
    QTest::newRow("click, scrolled to the middle") << text << Then(Caret(0.5), click(300));
    QTest::newRow("shift+click from the middle") << text << Then(Caret(0.5), click(500, Qt::ShiftModifier));
    QTest::newRow("drag to select") << text << Then(Caret(0.5), drag(60, 400));
    QTest::newRow("double click on a word")
        << text << Then(Caret(0.3), [](QLineEdit& e) { QTest::mouseDClick(&e, Qt::LeftButton, {}, QPoint(200, 10)); });
    QTest::newRow("click on a short line") << Q({"short ", C, "4red"}) << click(20);
}

void EditFieldTest::clicksLikeALineEdit()
{
    QFETCH(QString, text);
    QFETCH(Action, mouse);
    CompareLook(text, true, mouse);
}

void EditFieldTest::editMenuReplacesTheStandardOne()
{
    Field().setText(CodedLine());
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(30, 10), Field().mapToGlobal(QPoint(30, 10)));
    QApplication::sendEvent(&Field(), &menu);
    QTRY_VERIFY(Form().EditPopup->isVisible());
    QVERIFY(!Field().findChild<QMenu*>(QStringLiteral("qt_edit_menu")));
    Form().EditPopup->close();
}

QTEST_MAIN(EditFieldTest)
#include "EditFieldTest.moc"
