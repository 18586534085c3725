// The edit field of the window as start-up builds it, against a plain line
// edit beside it with the same text, font, size and style: the same picture
// at every caret position and selection, long and short lines, codes,
// surrogate pairs, lone surrogates and text of both directions; the same
// picture, text, caret and selection after each step of the same keys,
// clicks, compositions and drops, across the length from which the field
// draws itself; the caret's blink; the input method's caret rectangle; the
// edit menu.
#include "EditField.h"
#include "AppTestSupport.h"

#include <QAbstractEventDispatcher>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTextCharFormat>

#include <functional>
#include <memory>

using namespace at;
using tt::B, tt::C, tt::FF, tt::I, tt::R, tt::U;

namespace {

using Action = std::function<void(QLineEdit&)>;
using Steps = QList<Action>;

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

// Right-to-left words among left-to-right ones, with European and
// Arabic-Indic digits.
QString RightToLeftLine()
{
    return Repeated(QString::fromUtf16(u"word \u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 12 "
                                       u"\u0661\u0662 end "),
                    Long);
}

// The direction changes at every unit.
QString AlternatingLine() { return Repeated(QString::fromUtf16(u"a\u05D0"), Long); }

// Embeddings, overrides and isolates, some nested.
QString EmbeddedLine()
{
    return Repeated(QString::fromUtf16(u"left \u202Bembedded \u05D0\u05D1 \u202Adeeper\u202C\u202C "
                                       u"\u202Eoverride\u202C \u2067isolate \u05D2\u2069 "),
                    Long);
}

QString EveryUnitLine()
{
    QString line;
    for (int unit = 0; unit <= 0xFFFF; ++unit)
        line += QChar(char16_t(unit));
    return line;
}

QString BreaksLine() { return QString(Long, QChar('\n')); }

// Soft hyphens where the text's items end: the layout shows one only at the
// end of its line.
QString SoftHyphenLine()
{
    return Repeated(QString::fromUtf16(u"ab\u00AD\u05D0\u05D1\u00AD cd\u00AD\u0627\u00AD"), Long);
}

// A long line that fits the field: its units take no width.
QString FittingLine() { return Repeated(QString(QChar(0x200B)), Long) + QStringLiteral("fits"); }

// Words that take the line just past the length from which the field draws
// itself.
QString JustLongLine() { return Repeated(QStringLiteral("plain words "), TEditField::OwnDrawingFrom + 4).left(4100); }

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

Action Key(Qt::Key key, int times = 1, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return [=](QLineEdit& e) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(&e, key, modifiers);
    };
}

// Keys typed one by one; a letter beyond ASCII as a key with its text.
Action Type(const QString& text)
{
    return [=](QLineEdit& e) {
        for (QChar c : text)
            if (c.unicode() < 0x80)
                QTest::keyClick(&e, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, &e, Qt::Key_unknown, QString(c), Qt::NoModifier);
    };
}

Action Click(int x, Qt::KeyboardModifiers modifiers = {})
{
    return [=](QLineEdit& e) { QTest::mouseClick(&e, Qt::LeftButton, modifiers, QPoint(x, 10)); };
}

Action RightToLeft()
{
    return [](QLineEdit& e) { e.setLayoutDirection(Qt::RightToLeft); };
}

// An input method's composition at the caret, underlined, its caret at the
// composition's end; then committed.
Action Compose(const QString& preedit)
{
    return [=](QLineEdit& e) {
        QTextCharFormat underline;
        underline.setFontUnderline(true);
        const QList<QInputMethodEvent::Attribute> attributes{
            {QInputMethodEvent::TextFormat, 0, int(preedit.size()), underline},
            {QInputMethodEvent::Cursor, int(preedit.size()), 1, QVariant()}};
        QInputMethodEvent event(preedit, attributes);
        QCoreApplication::sendEvent(&e, &event);
    };
}

Action Commit(const QString& text)
{
    return [=](QLineEdit& e) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(&e, &event);
    };
}

// Text dragged from elsewhere, as a move, over the field to x; dropped there.
Action DragOver(int from, int to)
{
    return [=](QLineEdit& e) {
        QMimeData data;
        data.setText(QStringLiteral("dragged"));
        QDragEnterEvent enter(QPoint(from, 10), Qt::MoveAction | Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&e, &enter);
        QDragMoveEvent move(QPoint(to, 10), Qt::MoveAction | Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&e, &move);
    };
}

Action DropAt(int x)
{
    return [=](QLineEdit& e) {
        QMimeData data;
        data.setText(QStringLiteral("dragged"));
        QDropEvent drop(QPointF(x, 10), Qt::MoveAction | Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&e, &drop);
    };
}

Action DragLeave()
{
    return [](QLineEdit& e) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(&e, &leave);
    };
}

// What a step leaves to see: the picture and what the field holds.
struct Shot {
    QImage image;
    QVariantList state;
};

Shot Take(QLineEdit& e)
{
    return {e.grab().toImage(),
            {e.inputMethodQuery(Qt::ImCursorRectangle), e.text(), e.cursorPosition(), e.selectionStart(),
             e.selectionLength()}};
}

// The line edit's text control, which blinks the caret with a timer of its own.
QObject* TextControl(QLineEdit& e)
{
    for (QObject* child : e.children())
        if (qstrcmp(child->metaObject()->className(), "QWidgetLineControl") == 0)
            return child;
    return nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(Steps)

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
    void crossesLikeALineEdit_data();
    void crossesLikeALineEdit();
    void dropsLikeALineEdit_data();
    void dropsLikeALineEdit();
    void inputMethodCaretFollowsKeys_data();
    void inputMethodCaretFollowsKeys();
    void editMenuReplacesTheStandardOne();

private:
    TForm1& Form() { return window_->Form(); }
    QLineEdit& Field() { return *Form().IRCEdit; }
    // The field or the plain line edit with the focus (or without), given
    // text, shown once as after a paste.
    void Prepare(QLineEdit& edit, const QString& text, bool focus);
    // Each edit prepared, then after each step what it shows and holds.
    QList<Shot> Run(QLineEdit& edit, const QString& text, bool focus, const Steps& steps);
    void CompareSteps(const QString& text, bool focus, const Steps& steps);
    void CompareLook(const QString& text, bool focus, const Action& act) { CompareSteps(text, focus, {act}); }
    // One blink of edit's caret, however long the run has taken to get here.
    void BlinkOnce(QLineEdit& edit);

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
    // No triple click pending from an earlier test's double click: the
    // field's timer for it ends now.
    for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(&Field()))
        if (timer.interval == QApplication::doubleClickInterval()) {
            QTimerEvent end(timer.timerId);
            QCoreApplication::sendEvent(&Field(), &end);
        }
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
    Field().unsetLayoutDirection();
    QApplication::setCursorFlashTime(1000);
}

void EditFieldTest::Prepare(QLineEdit& edit, const QString& text, bool focus)
{
    if (focus)
        edit.setFocus(Qt::OtherFocusReason);
    else
        Form().Button1->setFocus(Qt::OtherFocusReason);
    edit.setText(text);
    edit.grab();
}

QList<Shot> EditFieldTest::Run(QLineEdit& edit, const QString& text, bool focus, const Steps& steps)
{
    Prepare(edit, text, focus);
    QList<Shot> shots;
    for (const Action& step : steps) {
        step(edit);
        QCoreApplication::processEvents();
        shots << Take(edit);
    }
    [&] { QCOMPARE(edit.hasFocus(), focus); }();
    return shots;
}

void EditFieldTest::CompareSteps(const QString& text, bool focus, const Steps& steps)
{
    // What the line edit shows and holds, taken before the field gets the
    // focus, which takes the line edit's selection away.
    const QList<Shot> expected = Run(*plain_, text, focus, steps);
    const QList<Shot> shown = Run(Field(), text, focus, steps);
    QCOMPARE(shown.size(), expected.size());
    for (int i = 0; i < shown.size(); ++i) {
        if (shown[i].image != expected[i].image) {
            shown[i].image.save(QStringLiteral("EditFieldTest-shown.png"));
            expected[i].image.save(QStringLiteral("EditFieldTest-expected.png"));
        }
        QVERIFY2(
            shown[i].image == expected[i].image,
            qPrintable(
                QStringLiteral("step %1: the field differs from a line edit: see EditFieldTest-*.png").arg(i + 1)));
        QCOMPARE(shown[i].state, expected[i].state);
    }
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
                 {"at the threshold", CodedLine().left(TEditField::OwnDrawingFrom)},
                 {"right to left words", RightToLeftLine()},
                 {"alternating directions", AlternatingLine()},
                 {"embeddings", EmbeddedLine()},
                 {"every code unit", EveryUnitLine()},
                 {"only line breaks", BreaksLine()},
                 {"soft hyphens", SoftHyphenLine()},
                 {"ending in a soft hyphen", CodedLine() + QChar(QChar::SoftHyphen)},
                 {"fitting", FittingLine()}};
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
        {"right to left, end", true, Then(RightToLeft(), Caret(1))},
        {"right to left, middle selected", true, Then(RightToLeft(), Then(Caret(0.5), Select(0.5, -20, 60)))},
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

void EditFieldTest::BlinkOnce(QLineEdit& edit)
{
    QObject* control = TextControl(edit);
    QVERIFY(control);
    const QList<QAbstractEventDispatcher::TimerInfo> timers =
        QAbstractEventDispatcher::instance()->registeredTimers(control);
    QCOMPARE(timers.size(), 1);
    QCOMPARE(timers[0].interval, QApplication::cursorFlashTime() / 2);
    QTimerEvent tick(timers[0].timerId);
    QCoreApplication::sendEvent(control, &tick);
    QCoreApplication::processEvents();
}

void EditFieldTest::blinksLikeALineEdit()
{
    // The blink's own timer would not fire in the test's lifetime: each
    // blink is the timer's event, sent when the pictures before it are taken.
    QApplication::setCursorFlashTime(24 * 3600 * 1000);
    const auto blink = [this](QLineEdit& edit) { BlinkOnce(edit); };
    // A key's release turns the caret on again and restarts the blink.
    const Steps steps{Caret(0.3), blink, Key(Qt::Key_Shift), blink, blink};
    for (const QString& text : {CodedLine(), RightToLeftLine(), Q({"short ", C, "4red"})}) {
        const QList<Shot> expected = Run(*plain_, text, true, steps);
        const QList<Shot> shown = Run(Field(), text, true, steps);
        QCOMPARE(expected.size(), 5);
        QVERIFY(expected[1].image != expected[0].image);
        QVERIFY(expected[2].image == expected[0].image);
        QVERIFY(expected[3].image == expected[1].image);
        QVERIFY(expected[4].image == expected[0].image);
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(shown[i].image == expected[i].image, qPrintable(QStringLiteral("step %1").arg(i + 1)));
    }
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
    for (const auto& [name, text] : {std::pair{"coded", CodedLine()}, std::pair{"pairs", PairsLine()},
                                     std::pair{"right to left words", RightToLeftLine()}}) {
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
    auto drag = [](int from, int to) -> Action {
        return [from, to](QLineEdit& e) {
            QTest::mousePress(&e, Qt::LeftButton, {}, QPoint(from, 10));
            QTest::mouseMove(&e, QPoint(to, 10));
            QTest::mouseRelease(&e, Qt::LeftButton, {}, QPoint(to, 10));
        };
    };
    for (const auto& [name, text] : {std::pair{"coded", CodedLine()}, std::pair{"alternating", AlternatingLine()},
                                     std::pair{"right to left words", RightToLeftLine()}}) {
        QTest::addRow("%s: click, scrolled to the end", name) << text << Click(40);
        QTest::addRow("%s: click, scrolled to the middle", name) << text << Then(Caret(0.5), Click(300));
        QTest::addRow("%s: shift+click from the middle", name)
            << text << Then(Caret(0.5), Click(500, Qt::ShiftModifier));
        QTest::addRow("%s: drag to select", name) << text << Then(Caret(0.5), drag(60, 400));
        QTest::addRow("%s: double click on a word", name)
            << text
            << Then(Caret(0.3), [](QLineEdit& e) { QTest::mouseDClick(&e, Qt::LeftButton, {}, QPoint(200, 10)); });
    }
    QTest::newRow("click on a short line") << Q({"short ", C, "4red"}) << Click(20);
}

void EditFieldTest::clicksLikeALineEdit()
{
    QFETCH(QString, text);
    QFETCH(Action, mouse);
    CompareLook(text, true, mouse);
}

void EditFieldTest::crossesLikeALineEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Steps>("steps");
    const QString words = JustLongLine();
    const Action walkIn = Then(Key(Qt::Key_Home), Then(Key(Qt::Key_Right, 300), Key(Qt::Key_Left, 50)));
    QTest::newRow("back-spaced below in the middle, clicked")
        << words << Steps{walkIn, Key(Qt::Key_Delete, 5), Click(300), Click(100)};
    QTest::newRow("back-spaced below at the end, clicked")
        << words << Steps{Key(Qt::Key_End), Key(Qt::Key_Backspace, 5), Click(300), Click(500)};
    QTest::newRow("typed back over in the middle, clicked")
        << words
        << Steps{walkIn, Key(Qt::Key_Delete, 5), Type("abcde"), Click(300), Key(Qt::Key_Backspace, 3), Click(250)};
    QTest::newRow("typed over at the end, clicked")
        << words.left(TEditField::OwnDrawingFrom - 2)
        << Steps{Key(Qt::Key_End), Type("xyz"), Click(300), Key(Qt::Key_Backspace, 2), Click(200)};
    QTest::newRow("a right-to-left letter typed and deleted, clicked")
        << CodedLine() << Steps{Caret(0.5), Type(QString(QChar(0x05D0))), Key(Qt::Key_Backspace), Click(300)};
    QTest::newRow("a right-to-left letter typed at the end, clicked")
        << CodedLine()
        << Steps{Key(Qt::Key_End), Type(QString(QChar(0x05D0))), Click(300), Key(Qt::Key_Backspace), Click(450)};
    QTest::newRow("a composition on a long line, clicked") << CodedLine()
                                                           << Steps{Caret(0.5),
                                                                    Compose(QString::fromUtf8("かな")),
                                                                    Click(300),
                                                                    Compose(QString::fromUtf8("仮")),
                                                                    Commit(QString::fromUtf8("仮名")),
                                                                    Click(200)};
    QTest::newRow("a composition that takes the line over, clicked")
        << words.left(TEditField::OwnDrawingFrom - 1)
        << Steps{Key(Qt::Key_End), Compose(QStringLiteral("abc")), Click(400), Commit(QString()), Click(300)};
    QTest::newRow("the layout's direction turned and back, clicked")
        << CodedLine()
        << Steps{Caret(0.5), RightToLeft(), Click(300), [](QLineEdit& e) { e.setLayoutDirection(Qt::LeftToRight); },
                 Click(200)};
    QTest::newRow("pasted over the threshold, undone, clicked")
        << words.left(TEditField::OwnDrawingFrom - 10)
        << Steps{Then(Caret(0.5),
                      [](QLineEdit&) { QGuiApplication::clipboard()->setText(QStringLiteral("pasted words")); }),
                 Key(Qt::Key_V, 1, Qt::ControlModifier), Click(300), Key(Qt::Key_Z, 1, Qt::ControlModifier),
                 Click(200)};
    QTest::newRow("selected across the threshold, deleted, clicked")
        << words << Steps{Then(Caret(0.5), Key(Qt::Key_Right, 8, Qt::ShiftModifier)), Key(Qt::Key_Delete), Click(300)};
}

void EditFieldTest::crossesLikeALineEdit()
{
    QFETCH(QString, text);
    QFETCH(Steps, steps);
    CompareSteps(text, true, steps);
}

void EditFieldTest::dropsLikeALineEdit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Steps>("steps");
    for (const auto& [name, text] :
         {std::pair{"coded", CodedLine()}, std::pair{"right to left words", RightToLeftLine()}}) {
        QTest::addRow("%s: dropped, scrolled to the middle", name)
            << text << Steps{Caret(0.5), DragOver(40, 300), DropAt(300), Click(100)};
        QTest::addRow("%s: dropped, scrolled to the end", name)
            << text << Steps{Caret(1), DragOver(500, 120), DropAt(120)};
        QTest::addRow("%s: dragged over and away", name)
            << text << Steps{Caret(0.5), DragOver(200, 250), DragLeave(), Click(100)};
    }
    QTest::newRow("dropped at the end of a line just short of long")
        << JustLongLine().left(TEditField::OwnDrawingFrom - 3)
        << Steps{Key(Qt::Key_End), DragOver(100, 540), DropAt(540), Click(300)};
}

void EditFieldTest::dropsLikeALineEdit()
{
    QFETCH(QString, text);
    QFETCH(Steps, steps);
    CompareSteps(text, true, steps);
}

void EditFieldTest::inputMethodCaretFollowsKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Action>("place");
    QTest::addColumn<QList<Qt::Key>>("keys");
    const QList<Qt::Key> walk{Qt::Key_Left,      Qt::Key_Left, Qt::Key_Right, Qt::Key_X,
                              Qt::Key_Backspace, Qt::Key_Home, Qt::Key_End};
    QTest::newRow("coded, from the end") << CodedLine() << Caret(1) << walk;
    QTest::newRow("coded, from the middle") << CodedLine() << Caret(0.5) << walk;
    QTest::newRow("right to left words, from the middle") << RightToLeftLine() << Caret(0.5) << walk;
}

void EditFieldTest::inputMethodCaretFollowsKeys()
{
    QFETCH(QString, text);
    QFETCH(Action, place);
    QFETCH(QList<Qt::Key>, keys);
    // An input method asks right after a key, before the field repaints.
    const auto caretRects = [&](QLineEdit& edit) {
        Prepare(edit, text, true);
        place(edit);
        QCoreApplication::processEvents();
        QVariantList rects;
        for (Qt::Key key : keys) {
            QTest::keyClick(&edit, key);
            rects << edit.inputMethodQuery(Qt::ImCursorRectangle);
            QCoreApplication::processEvents();
            rects << edit.inputMethodQuery(Qt::ImCursorRectangle);
        }
        return rects;
    };
    const QVariantList expected = caretRects(*plain_);
    QCOMPARE(caretRects(Field()), expected);
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
