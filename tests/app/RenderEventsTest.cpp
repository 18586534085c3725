// The window while "Line" renders: keys pressed and commands run at the
// moments the render lets events in change nothing of the render, and the
// busy cursor shows while it runs.
#include "AddressSpaceLimit.h"
#include "AppTestSupport.h"
#include "Application.h"
#include "ErrorBox.h"
#include "Exception.h"
#include "RichEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QWheelEvent>

#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace at;

Q_DECLARE_METATYPE(TWindowStep)

namespace {

// A line long enough that every long step of the render lets events in:
// a listing and a Format List of more than a slice of memo lines, and
// white, black, bold and reset runs, which every preview setting changes.
QString LongCodedLine()
{
    QString line;
    for (int i = 0; i < 1100; ++i) {
        line += Q({u'\x03', i % 2 ? "00" : "01", "w", u'\x02', "b"});
        if (i % 7 == 0)
            line += Q({u'\x0F', "r"});
    }
    return line;
}

// Every character's format in the preview, read from its fragments.
std::vector<QTextCharFormat> Formats(const TRichEdit& rtf)
{
    std::vector<QTextCharFormat> out;
    for (QTextBlock b = rtf.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out.insert(out.end(), static_cast<std::size_t>(it.fragment().length()), it.fragment().charFormat());
        out.push_back(b.charFormat()); // the break behind the line
    }
    return out;
}

// What a render and a command leave in the window.
struct WindowState {
    QStringList memo;
    QStringList formatList;
    QString edit;
    QString preview;
    std::vector<QTextCharFormat> formats;
    QColor background;
    QColor fontColor;
    int fontSize = 0;
    bool colortype = false;
    bool ticked = false;
    int anchor = 0;
    int caret = 0;
    QStringList infoBoxes;

    static WindowState Of(TForm1& form, const QStringList& infoBoxes)
    {
        WindowState s;
        s.memo = MemoTexts(form);
        for (int i = 0; i < form.str->Count(); ++i)
            s.formatList << ToQString(form.str->Get(i));
        s.edit = form.IRCEdit->text();
        s.preview = form.TestRTF->document()->toRawText();
        s.formats = Formats(*form.TestRTF);
        s.background = form.TestRTF->Color();
        s.fontColor = form.TestRTF->FontColor();
        s.fontSize = form.TestRTF->FontSize();
        s.colortype = form.colortype;
        s.ticked = form.ToggleCheck->isChecked();
        s.anchor = form.TestRTF->textCursor().anchor();
        s.caret = form.TestRTF->textCursor().position();
        s.infoBoxes = infoBoxes;
        return s;
    }
};

void CompareStates(const WindowState& got, const WindowState& want)
{
    QCOMPARE(got.memo, want.memo);
    QCOMPARE(got.formatList, want.formatList);
    QCOMPARE(got.edit, want.edit);
    QCOMPARE(got.preview, want.preview);
    QCOMPARE(got.formats.size(), want.formats.size());
    for (std::size_t p = 0; p < got.formats.size(); ++p)
        if (got.formats[p] != want.formats[p])
            QFAIL(qPrintable(QString("the preview's formats differ at %1").arg(p)));
    QCOMPARE(got.background, want.background);
    QCOMPARE(got.fontColor, want.fontColor);
    QCOMPARE(got.fontSize, want.fontSize);
    QCOMPARE(got.colortype, want.colortype);
    QCOMPARE(got.ticked, want.ticked);
    QCOMPARE(got.anchor, want.anchor);
    QCOMPARE(got.caret, want.caret);
    QCOMPARE(got.infoBoxes, want.infoBoxes);
}

using tt::AddressSpaceLimit;

// The commands a user can reach while a render lets events in.
enum class Command { Light, Dark, AutoColor, Font, Bold, Orange, Typing, Info };

// A window with a first render done and AutoColor ticked, so that the light
// and the dark background differ from the start and each colour a run, and
// the preview holds a line already.
class Window {
public:
    Window()
    {
        form_.show();
        form_.SetInfoBox([this](const QString& text) { infoBoxes_ << text; });
        form_.FontDialog1->SetChooser([](TFont& font) {
            font.Color = 0x00FF00;
            font.Size = 16;
            font.Height = -21;
            return true;
        });
        form_.LightBackground1->trigger();
        form_.ToggleCheck->setChecked(true);
        form_.IRCEdit->setText(Q({"first ", u'\x03', "04red"}));
        form_.Button2->click();
        form_.IRCEdit->setText(LongCodedLine());
        form_.IRCEdit->setCursorPosition(5);
    }

    TForm1& Form() { return form_; }

    void Run(Command c)
    {
        switch (c) {
        case Command::Light: form_.LightBackground1->trigger(); break;
        case Command::Dark: form_.DarkBackground1->trigger(); break;
        case Command::AutoColor: ClickBox(form_.ToggleCheck); break;
        case Command::Font: form_.Font1->trigger(); break;
        case Command::Bold: form_.Bold1->trigger(); break;
        case Command::Orange: form_.Orange1->trigger(); break;
        case Command::Typing: QTest::keyClicks(form_.IRCEdit, "typed"); break;
        case Command::Info: form_.Info1->trigger(); break;
        }
    }

    WindowState State() { return WindowState::Of(form_, infoBoxes_); }

private:
    TForm1 form_;
    QStringList infoBoxes_;
};

// Whether a command at a pump of step shows in the line being rendered: a
// setting changed before the line's colouring begins does; the edit
// field's commands never do, as the render has its own copy of the line.
bool ShowsInThisLine(Command command, TWindowStep step)
{
    const bool setting = command == Command::Light || command == Command::Dark || command == Command::AutoColor
                         || command == Command::Font;
    return setting && (step == TWindowStep::Listing || step == TWindowStep::Log);
}

} // namespace

class RenderEventsTest : public QObject {
    Q_OBJECT
private slots:
    void keysDuringARenderGoNowhere_data();
    void keysDuringARenderGoNowhere();
    void commandAtAPump_data();
    void commandAtAPump();
    void fontChosenDuringTheLineWaitsForIt();
    void everyLongStepLetsEventsIn();
    void lineAboveLaidOutApart();
    void memoEditedWhileItsViewCatchesUp();
    void wheelMovesTheMemoDuringARender();
    void busyCursorWhileRendering_data();
    void busyCursorWhileRendering();
    void refusedLineLosesNothing();
};

void RenderEventsTest::keysDuringARenderGoNowhere_data()
{
    // The key a user presses again and again while nothing seems to happen.
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("a letter") << int(Qt::Key_X);
    QTest::newRow("Delete") << int(Qt::Key_Delete);
}

void RenderEventsTest::keysDuringARenderGoNowhere()
{
    QFETCH(int, key);
    StartedWindow started;
    TForm1& form = started.Form();
    QVERIFY(started.ShowActive());
    const QString line = LongCodedLine();
    form.IRCEdit->setText(line);
    form.Button2->setFocus(Qt::TabFocusReason);

    // The clean run of the same line, in a window of its own.
    TForm1 clean;
    clean.IRCEdit->setText(line);
    clean.Button2->click();

    // Keys pressed into the window, where the keyboard is, at pumps of the
    // passes and at the first two pumps of every long step.
    QWindow* window = form.windowHandle();
    auto press = [&] { QTest::keyClick(window, Qt::Key(key)); };
    const QSignalSpy toggled(form.ToggleCheck, &QCheckBox::toggled);
    const QSignalSpy edited(form.IRCEdit, &QLineEdit::textEdited);
    int passPumps = 0, presses = 0;
    std::map<TWindowStep, int> stepPumps;
    const TPumpHookGuard hook([&] {
        if (passPumps++ % 500 == 0) {
            press();
            ++presses;
        }
    });
    form.SetWindowPumpHook([&](TWindowStep step) {
        if (stepPumps[step]++ < 2) {
            press();
            ++presses;
        }
    });
    // The user starts the render with the keyboard.
    QTest::keyClick(window, Qt::Key_Space);
    form.SetWindowPumpHook({});

    QVERIFY(presses > 10);
    // Every long step had its pumps.
    QCOMPARE(stepPumps.size(), std::size_t(8));
    QCOMPARE(toggled.count(), 0);
    QCOMPARE(edited.count(), 0);
    QVERIFY(!form.ToggleCheck->isChecked());
    QVERIFY(!form.colortype);
    QCOMPARE(form.IRCEdit->text(), line);
    QCOMPARE(MemoTexts(form), MemoTexts(clean));
    // The button that started the render has the keyboard again.
    QCOMPARE(QApplication::focusWidget(), form.Button2);
}

void RenderEventsTest::commandAtAPump_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<TWindowStep>("step");
    const std::pair<Command, const char*> commands[] = {
        {Command::Light, "Light Background"},
        {Command::Dark, "Dark Background"},
        {Command::AutoColor, "AutoColor"},
        {Command::Font, "Font"},
        {Command::Bold, "Bold"},
        {Command::Orange, "07 Orange"},
        {Command::Typing, "typing in the edit field"},
        {Command::Info, "Info"},
    };
    const std::pair<TWindowStep, const char*> steps[] = {
        {TWindowStep::Listing, "listing"},
        {TWindowStep::Log, "log"},
        {TWindowStep::ApplyLoop, "apply loop"},
        {TWindowStep::BeforeLayout, "before the layout"},
        {TWindowStep::BetweenLayouts, "between the layouts"},
        {TWindowStep::AfterLayout, "after the layout"},
        {TWindowStep::Shown, "paint of the line"},
        {TWindowStep::MemoCatchUp, "memo catch-up"},
    };
    for (const auto& [command, commandName] : commands)
        for (const auto& [step, stepName] : steps)
            QTest::addRow("%s during the %s", commandName, stepName) << command << step;
}

void RenderEventsTest::commandAtAPump()
{
    // A setting changed before the line's colouring begins colours it; one
    // changed once it has begun shows with the next line: the window ends
    // as if the command had run before or after the whole click.
    QFETCH(Command, command);
    QFETCH(TWindowStep, step);

    Window reference;
    const bool before = ShowsInThisLine(command, step);
    if (before)
        reference.Run(command);
    reference.Form().Button2->click();
    if (!before)
        reference.Run(command);

    Window window;
    bool ran = false;
    window.Form().SetWindowPumpHook([&](TWindowStep at) {
        if (at == step && !ran) {
            ran = true;
            window.Run(command);
        }
    });
    window.Form().Button2->click();
    QVERIFY(ran);
    QVERIFY(window.Form().str->Count() > TMemoLines::SliceLines);
    CompareStates(window.State(), reference.State());
}

void RenderEventsTest::fontChosenDuringTheLineWaitsForIt()
{
    // "Font" twice while the line's runs are formatted: the preview lays
    // the line out with the font it began with and takes the last one
    // chosen once the line is laid out, in one change; the dialog opens
    // the second time on the font chosen the first time.
    Window window;
    TForm1& form = window.Form();
    TRichEdit& rtf = *form.TestRTF;
    const QFont before = rtf.font();
    QStringList openedOn;
    const int sizes[] = {16, 20};
    form.FontDialog1->SetChooser([&](TFont& font) {
        openedOn << QString::number(font.Size);
        font.Size = sizes[openedOn.size() - 1];
        font.Height = HeightFromSize(font.Size);
        return true;
    });
    int pumps = 0;
    QStringList during;
    QList<int> afterFont;
    form.SetWindowPumpHook([&](TWindowStep step) {
        if (step == TWindowStep::AfterFont)
            afterFont << rtf.FontSize();
        if (step != TWindowStep::ApplyLoop && step != TWindowStep::AfterLayout)
            return;
        if (step == TWindowStep::ApplyLoop && (pumps == 1 || pumps == 3))
            window.Run(Command::Font);
        ++pumps;
        if (rtf.font() != before)
            during << QString("pump %1").arg(pumps);
    });
    const FontChanges changes(rtf);
    form.Button2->click();
    QVERIFY(pumps > 4);
    QCOMPARE(openedOn, (QStringList{"12", "16"}));
    QCOMPARE(during, QStringList());
    QCOMPARE(changes.count, 1);
    QCOMPARE(rtf.FontSize(), 20);
    // Taking it, the preview lays its text out again: the window catches up
    // once after that too.
    QCOMPARE(afterFont, QList<int>{20});
}

void RenderEventsTest::everyLongStepLetsEventsIn()
{
    // The steps in their order, each with pumps, so that the cases above
    // reach every one of them.
    Window window;
    std::vector<TWindowStep> order;
    window.Form().SetWindowPumpHook([&](TWindowStep step) {
        if (order.empty() || order.back() != step)
            order.push_back(step);
    });
    window.Form().Button2->click();
    QCOMPARE(order, (std::vector<TWindowStep>{TWindowStep::Listing, TWindowStep::Log, TWindowStep::ApplyLoop,
                                              TWindowStep::BeforeLayout, TWindowStep::BetweenLayouts,
                                              TWindowStep::AfterLayout, TWindowStep::Shown, TWindowStep::MemoCatchUp}));
}

void RenderEventsTest::lineAboveLaidOutApart()
{
    // The new line touches the one above it (its break goes in there, and
    // may be coloured): that one is laid out again first, in a step of its
    // own, and the new line after the window's events.
    Window window;
    const QTextDocument& doc = *window.Form().TestRTF->document();
    QStringList seen;
    bool paintsAtShown = false;
    window.Form().SetWindowPumpHook([&](TWindowStep step) {
        // The line's paint is let through once the caret is placed.
        if (step == TWindowStep::Shown)
            paintsAtShown = window.Form().TestRTF->viewport()->updatesEnabled();
        if (step != TWindowStep::BetweenLayouts && step != TWindowStep::AfterLayout)
            return;
        const QTextBlock added = doc.lastBlock();
        seen << QString("%1 lines above, %2 new")
                    .arg(added.previous().layout()->lineCount())
                    .arg(added.isVisible() ? added.layout()->lineCount() : -1);
    });
    window.Form().Button2->click();
    QCOMPARE(doc.blockCount(), 2);
    QCOMPARE(seen, (QStringList{"1 lines above, -1 new", "1 lines above, 1 new"}));
    QVERIFY(paintsAtShown);
}

void RenderEventsTest::memoEditedWhileItsViewCatchesUp()
{
    // The memo is editable: at every pump of its view's catch-up after the
    // render, the user empties it and types; what they typed stays, and
    // the catch-up reads no line that is gone (the sanitizer build sees it).
    const QString line = Q({"ab", u'\x03', "04cd", u'\x02', "ef"});
    int pumps = 0;
    {
        Window count;
        count.Form().IRCEdit->setText(line);
        count.Form().SetWindowPumpHook([&](TWindowStep step) { pumps += step == TWindowStep::MemoCatchUp; });
        count.Form().Button2->click();
    }
    QVERIFY(pumps > 10);
    for (int k = 0; k < pumps; ++k) {
        Window window;
        TForm1& form = window.Form();
        form.IRCEdit->setText(line);
        int at = 0;
        form.SetWindowPumpHook([&](TWindowStep step) {
            if (step == TWindowStep::MemoCatchUp && at++ == k) {
                QTest::keyClick(form.ResultMemo, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(form.ResultMemo, Qt::Key_Delete);
                QTest::keyClicks(form.ResultMemo, "kept");
            }
        });
        form.Button2->click();
        QCOMPARE(at, k + 1);
        QCOMPARE(form.ResultMemo->toPlainText(), QString("kept"));
        // The next render writes the memo and its view follows it again.
        form.SetWindowPumpHook({});
        form.Button2->click();
        QCOMPARE(MemoTexts(form).value(0), QString("Section Line Scanner: "));
        QCOMPARE(form.ResultMemo->verticalScrollBar()->maximum() + form.ResultMemo->verticalScrollBar()->pageStep(),
                 form.ResultMemo->document()->blockCount());
    }
}

void RenderEventsTest::wheelMovesTheMemoDuringARender()
{
    // Wheel turns over the memo at pumps of the passes scroll it.
    Window window;
    TForm1& form = window.Form();
    QPlainTextEdit& memo = *form.ResultMemo;
    int turns = 0, pumps = 0;
    int lastValue = 0;
    {
        const TPumpHookGuard hook([&] {
            if (pumps++ % 200 != 0 || memo.document()->blockCount() < 100)
                return;
            QWheelEvent wheel(QPointF(50, 50), memo.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(memo.viewport(), &wheel);
            ++turns;
            lastValue = memo.verticalScrollBar()->value();
        });
        form.Button2->click();
    }
    QVERIFY(turns > 3);
    QVERIFY2(lastValue >= turns, qPrintable(QString("%1 after %2 turns").arg(lastValue).arg(turns)));
    QCOMPARE(memo.verticalScrollBar()->value(), lastValue);
}

void RenderEventsTest::busyCursorWhileRendering_data()
{
    // How the render ends: normally, by an error that reaches the error box,
    // or by a failure of the program's own that the render takes itself.
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("boxes");
    QTest::newRow("normal end") << 0 << 0;
    QTest::newRow("an error box") << 1 << 1;
    QTest::newRow("a stage that fails") << 2 << 0;
}

void RenderEventsTest::busyCursorWhileRendering()
{
    QFETCH(int, ending);
    QFETCH(int, boxes);
    Window window;
    QStringList shown;
    const TExceptionSink old = SetExceptionSink([&](const QString& m) { shown << m; });
    std::optional<Qt::CursorShape> during;
    {
        const TPumpHookGuard hook([&] {
            if (!during)
                during = QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor;
            if (ending == 1)
                throw std::runtime_error("disk full");
            if (ending == 2)
                throw Exception("stop");
        });
        QTest::mouseClick(window.Form().Button2, Qt::LeftButton);
    }
    SetExceptionSink(old);
    QCOMPARE(shown.size(), boxes);
    QVERIFY(during);
    QCOMPARE(*during, Qt::BusyCursor);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

void RenderEventsTest::refusedLineLosesNothing()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves more address space than any limit left here");
#endif
    // A line of a million units with the address space left too small for
    // its render: the check comes before anything is cleared.
    Window window;
    TForm1& form = window.Form();
    const WindowState before = window.State();
    const QString huge(1 << 20, QChar(u'x'));
    form.IRCEdit->setText(huge);
    QStringList shown;
    const TExceptionSink old = SetExceptionSink([&](const QString& m) { shown << m; });
    {
        const AddressSpaceLimit limit(std::size_t(256) << 20);
        QTest::mouseClick(form.Button2, Qt::LeftButton);
    }
    SetExceptionSink(old);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith("Out of memory: a line of 1048576 characters"), qPrintable(shown[0]));
    QVERIFY(shown[0].contains("unchanged"));
    QCOMPARE(form.IRCEdit->text(), huge);
    form.IRCEdit->setText(before.edit);
    CompareStates(window.State(), before);
    QVERIFY(form.Button1->isEnabled() && form.Button2->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

QTEST_MAIN(RenderEventsTest)
#include "RenderEventsTest.moc"
