// The edit field's figures of the window benchmark, each in a child process:
// the shown window with W4 in its focused edit field, and the same window
// with a plain QLineEdit in the field's place, each idling with the line
// plain, with one right-to-left letter, all selected and with 1 Mi units of
// alternating directions instead (the caret blinks and the field
// repaints), then a key typed, two inserts from the edit menu, a paste and
// an undo, a composition opened and changed, each until the field has shown
// it, and the memory; then "Line" clicked on W4 with the focus elsewhere
// and with the focus put back into the field at the render's first pump.
#include "EditFieldBench.h"

#include "WindowMeter.h"
#include "Workloads.h"

#include "Application.h"
#include "MainForm.h"
#include "Pump.h"
#include "QtText.h"
#include "StartUp.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCharFormat>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

namespace {

constexpr const char* FieldChild = "edit-field";
constexpr const char* PlainChild = "edit-plain";
constexpr const char* AwayChild = "edit-render-away";
constexpr const char* IntoFieldChild = "edit-render-field";
constexpr int IdleSeconds = 6;

const UnicodeString& W4()
{
    static const UnicodeString text = MakeWorkload("W4")->text;
    return text;
}

// Counts the field's repaints and times the longest.
class PaintClock : public QObject {
public:
    explicit PaintClock(QWidget& field) : field_(field) { field_.installEventFilter(this); }
    ~PaintClock() override { field_.removeEventFilter(this); }
    int Count() const { return count_; }
    double LongestMs() const { return longest_ / 1e6; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != &field_ || e->type() != QEvent::Paint)
            return false;
        // The paint runs here, inside the window's painting, so that it can be timed.
        field_.removeEventFilter(this);
        QElapsedTimer clock;
        clock.start();
        QCoreApplication::sendEvent(&field_, e);
        longest_ = std::max(longest_, clock.nsecsElapsed());
        ++count_;
        field_.installEventFilter(this);
        return true;
    }

private:
    QWidget& field_;
    int count_ = 0;
    qint64 longest_ = 0;
};

// The window as start-up shows it, active, with start-up's pump.
class ShownWindow {
public:
    ShownWindow() : pump_(QtEventPump())
    {
        InitializeApplication();
        main_ = std::make_unique<TMainFormHolder>();
        Form().show();
        Form().activateWindow();
        if (!QTest::qWaitForWindowActive(&Form()))
            std::fprintf(stderr, "the window did not become active\n");
    }
    TForm1& Form() { return main_->Form(); }

private:
    TPumpHookGuard pump_;
    std::unique_ptr<TMainFormHolder> main_;
};

void Idle(int ms)
{
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// What act costs until the field has shown its outcome, after a rest.
double UntilShown(const PaintClock& paints, const std::function<void()>& act)
{
    Idle(600);
    const int before = paints.Count();
    QElapsedTimer clock;
    clock.start();
    act();
    while (paints.Count() == before && clock.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return clock.nsecsElapsed() / 1e6;
}

// The longest stretch without an event while the window idles, the focus
// in the field; the first layout and paint of a line belong to its paste.
double IdleStretch(TForm1& form)
{
    Idle(1500);
    StretchMeter meter(form, 0, false);
    meter.Start();
    meter.ClickEnded();
    Idle(IdleSeconds * 1000);
    meter.Stop();
    return meter.Longest() / 1e6;
}

// The figures of one side, in the order the parent prints them.
struct Figure {
    const char* about;
    bool memory; // MiB, else ms
};

const std::array<Figure, 16> SideFigures{{
    {"idle, the line plain: longest stretch without an event", false},
    {"idle, one right-to-left letter in the middle", false},
    {"idle, all selected", false},
    {"idle, 1 Mi units of alternating directions instead", false},
    {"the longest repaint in those states, first ones included", false},
    {"a key typed at the end, until shown", false},
    {"a key typed in the middle", false},
    {"\"Bold\" from the edit menu, caret in the middle", false},
    {"\"04 Red\" from the edit menu (two writes)", false},
    {"Ctrl+V of W4 again at the end (2 Mi units)", false},
    {"Ctrl+Z of that paste", false},
    {"a composition opened in the middle, until shown", false},
    {"the composition's text changed", false},
    {"resident with W4 shown, beside the window without it", true},
    {"peak until then, beside the window without W4", true},
    {"the process's peak after all the edits", true},
}};

int RunSide(bool plain)
{
    ShownWindow window;
    TForm1& form = window.Form();
    QLineEdit* edit = form.IRCEdit;
    if (plain) {
        // A plain line edit where the field stands, which the menu's commands then write.
        auto* line = new QLineEdit(edit->parentWidget());
        line->setGeometry(edit->geometry());
        line->setFont(edit->font());
        line->setMaxLength(edit->maxLength());
        line->setContextMenuPolicy(edit->contextMenuPolicy());
        line->show();
        edit->hide();
        form.IRCEdit = line;
        edit = line;
    }
    edit->setFocus(Qt::MouseFocusReason);
    Idle(1000);
    const long baseKiB = StatusKiB("VmRSS:");
    const long basePeakKiB = StatusKiB("VmHWM:");
    const QString line = ToQString(W4());
    edit->setText(line);
    Idle(1500);
    const long shownKiB = StatusKiB("VmRSS:");
    const long shownPeakKiB = StatusKiB("VmHWM:");

    std::array<double, SideFigures.size()> f{};
    PaintClock paints(*edit);
    f[0] = IdleStretch(form);
    QString rightToLeft = line;
    rightToLeft[rightToLeft.size() / 2] = QChar(0x05D0);
    edit->setText(rightToLeft);
    f[1] = IdleStretch(form);
    edit->setText(line);
    edit->selectAll();
    f[2] = IdleStretch(form);
    edit->setText(ToQString(MakeWorkload("Alt1Mi")->text));
    f[3] = IdleStretch(form);
    f[4] = paints.LongestMs();

    edit->setText(line);
    Idle(1500);
    f[5] = UntilShown(paints, [&] {
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_X);
    });
    edit->setCursorPosition(edit->text().size() / 2);
    f[6] = UntilShown(paints, [&] { QTest::keyClick(edit, Qt::Key_X); });
    f[7] = UntilShown(paints, [&] { form.Bold1->trigger(); });
    f[8] = UntilShown(paints, [&] { form.Red1->trigger(); });
    edit->end(false);
    QGuiApplication::clipboard()->setText(line);
    const qsizetype before = edit->text().size();
    f[9] = UntilShown(paints, [&] { QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier); });
    const bool pasted = edit->text().size() == before + line.size();
    f[10] = UntilShown(paints, [&] { QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier); });
    const bool undone = edit->text().size() == before;
    // An input method's composition, underlined as input methods show it.
    edit->setCursorPosition(edit->text().size() / 2);
    const auto compose = [&](const QString& preedit) {
        QTextCharFormat underline;
        underline.setFontUnderline(true);
        QInputMethodEvent e(preedit, {{QInputMethodEvent::TextFormat, 0, int(preedit.size()), underline}});
        QCoreApplication::sendEvent(edit, &e);
    };
    f[11] = UntilShown(paints, [&] { compose(QStringLiteral("ka")); });
    f[12] = UntilShown(paints, [&] { compose(QStringLiteral("kana")); });
    compose(QString());

    f[13] = (shownKiB - baseKiB) / 1024.0;
    f[14] = (shownPeakKiB - basePeakKiB) / 1024.0;
    f[15] = StatusKiB("VmHWM:") / 1024.0;
    std::printf("%s", plain ? PlainChild : FieldChild);
    for (double figure : f)
        std::printf("|%.3f", figure);
    std::printf("|%d\n", pasted && undone && edit->hasFocus() ? 1 : 0);
    return 0;
}

int RunRender(bool intoField)
{
    ShownWindow window;
    TForm1& form = window.Form();
    // A short line first, as the table's clicks do.
    form.IRCEdit->setText(QString::fromUtf16(u"w\x02"
                                             u"a\x03"
                                             u"04rm"));
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    form.IRCEdit->setText(ToQString(W4()));
    Idle(1500);

    PaintClock paints(*form.IRCEdit);
    StretchMeter meter(form, W4().Length() + 5, false);
    // The click gives "Line" the focus; a user clicks back into the field
    // while the render runs: at its first pump.
    if (intoField)
        QTimer::singleShot(0, form.IRCEdit, [&form] { form.IRCEdit->setFocus(Qt::MouseFocusReason); });
    meter.Start();
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    const qint64 clickEnd = meter.Elapsed();
    meter.ClickEnded();
    Settle(meter);
    meter.Stop();
    std::printf("%s|%.3f|%.3f|%s|%d|%.3f|%d\n", intoField ? IntoFieldChild : AwayChild, clickEnd / 1e6,
                meter.Longest() / 1e6, meter.Where().c_str(), paints.Count(), paints.LongestMs(),
                form.IRCEdit->hasFocus() ? 1 : 0);
    return 0;
}

std::string Cell(const QStringList& side, std::size_t i)
{
    if (side.size() != int(SideFigures.size()) + 2)
        return "failed";
    const double value = side[int(i) + 1].toDouble();
    if (!SideFigures[i].memory)
        return Readable(value);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f MiB", value);
    return buf;
}

} // namespace

bool IsEditFieldChild(const std::string& name)
{
    return name == FieldChild || name == PlainChild || name == AwayChild || name == IntoFieldChild;
}

int RunEditFieldChild(const std::string& name, int argc, char** argv)
{
    QApplication app(argc, argv);
    if (name == FieldChild || name == PlainChild)
        return RunSide(name == PlainChild);
    return RunRender(name == IntoFieldChild);
}

void PrintEditFieldFigures(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("\nThe edit field with W4 (1 Mi units), and a plain QLineEdit in its place, one child process each;\n"
                "idle %d s in each state with the caret blinking:\n",
                IdleSeconds);
    const QStringList field = RunChild(FieldChild);
    const QStringList plain = RunChild(PlainChild);
    std::printf("  %-56s %12s %12s\n", "", "edit field", "QLineEdit");
    for (std::size_t i = 0; i < SideFigures.size(); ++i)
        std::printf("  %-56s %12s %12s\n", SideFigures[i].about, Cell(field, i).c_str(), Cell(plain, i).c_str());
    for (const auto& [name, side] : {std::pair{"edit field", &field}, std::pair{"QLineEdit", &plain}})
        if (side->size() == int(SideFigures.size()) + 2 && side->last() != QLatin1String("1"))
            std::printf("  (%s: the paste or the undo did not take, or the field lost the focus)\n", name);
    std::fflush(stdout);
    const std::array<std::pair<const char*, const char*>, 2> renders{
        {{AwayChild, "focus elsewhere"}, {IntoFieldChild, "focus put into the field at the first pump"}}};
    for (const auto& [name, about] : renders) {
        const QStringList f = RunChild(name);
        if (f.size() == 7)
            std::printf("  \"Line\" clicked, %-44s click %9s, longest stretch %9s (%s); %s field repaints, the "
                        "longest %s\n",
                        (std::string(about) + ":").c_str(), Readable(f[1].toDouble()).c_str(),
                        Readable(f[2].toDouble()).c_str(), qPrintable(f[3]), qPrintable(f[4]),
                        Readable(f[5].toDouble()).c_str());
        else
            std::printf("  \"Line\" clicked, %s: the child process failed\n", about);
        std::fflush(stdout);
    }
}
