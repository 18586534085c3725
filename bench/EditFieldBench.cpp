// The edit field's figures of the window benchmark, each in a child process:
// the shown window idling with W4 in the focused edit field (the caret blinks
// and the field repaints), and "Line" clicked on W4 with the focus elsewhere
// and with the focus put back into the field at the render's first pump.
#include "EditFieldBench.h"

#include "WindowMeter.h"
#include "Workloads.h"

#include "Application.h"
#include "MainForm.h"
#include "Pump.h"
#include "QtText.h"
#include "StartUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr const char* IdleChild = "edit-idle";
constexpr const char* AwayChild = "edit-render-away";
constexpr const char* FieldChild = "edit-render-field";
constexpr int IdleSeconds = 6;

const UnicodeString& W4()
{
    static const UnicodeString text = [] {
        for (const Workload& w : Workloads())
            if (w.name == "W4")
                return w.text;
        return UnicodeString();
    }();
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
        QApplication::setActiveWindow(&Form());
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

// A key typed at pos: from the press until the field has shown the new text.
double TypeKey(QLineEdit& field, const PaintClock& paints, int pos)
{
    field.setCursorPosition(pos);
    Idle(600);
    const int before = paints.Count();
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(&field, Qt::Key_X);
    while (paints.Count() == before && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return clock.nsecsElapsed() / 1e6;
}

int RunIdle()
{
    ShownWindow window;
    TForm1& form = window.Form();
    form.IRCEdit->setText(ToQString(W4()));
    form.IRCEdit->setFocus(Qt::MouseFocusReason);
    Idle(1500); // the first layout and paint of the line belong to the paste
    PaintClock paints(*form.IRCEdit);
    StretchMeter meter(form, 0, false);
    meter.Start();
    meter.ClickEnded();
    Idle(IdleSeconds * 1000);
    meter.Stop();
    const int idlePaints = paints.Count();
    const double idlePaintMs = paints.LongestMs();
    const double endMs = TypeKey(*form.IRCEdit, paints, form.IRCEdit->text().size());
    const double middleMs = TypeKey(*form.IRCEdit, paints, form.IRCEdit->text().size() / 2);
    std::printf("%s|%d|%.3f|%d|%.3f|%d|%d|%.3f|%.3f\n", IdleChild, IdleSeconds, meter.Longest() / 1e6, idlePaints,
                idlePaintMs, QGuiApplication::styleHints()->cursorFlashTime(), form.IRCEdit->hasFocus() ? 1 : 0, endMs,
                middleMs);
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
    std::printf("%s|%.3f|%.3f|%s|%d|%.3f|%d\n", intoField ? FieldChild : AwayChild, clickEnd / 1e6,
                meter.Longest() / 1e6, meter.Where().c_str(), paints.Count(), paints.LongestMs(),
                form.IRCEdit->hasFocus() ? 1 : 0);
    return 0;
}

QStringList RunChild(const char* name)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child=%1").arg(QLatin1String(name))});
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed().split('|');
}

std::string Readable(double ms)
{
    char buf[32];
    if (ms >= 1000)
        std::snprintf(buf, sizeof buf, "%.2f s", ms / 1000);
    else
        std::snprintf(buf, sizeof buf, "%.1f ms", ms);
    return buf;
}

} // namespace

bool IsEditFieldChild(const std::string& name) { return name == IdleChild || name == AwayChild || name == FieldChild; }

int RunEditFieldChild(const std::string& name, int argc, char** argv)
{
    QApplication app(argc, argv);
    if (name == IdleChild)
        return RunIdle();
    return RunRender(name == FieldChild);
}

void PrintEditFieldFigures(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("\nThe edit field with W4 (1 Mi units), one child process per figure:\n");
    const QStringList idle = RunChild(IdleChild);
    if (idle.size() == 9) {
        std::printf("  idle %s s, focus in the field: longest stretch without an event %s; %s repaints of the field, "
                    "the longest %s (caret blink every %d ms)%s\n",
                    qPrintable(idle[1]), Readable(idle[2].toDouble()).c_str(), qPrintable(idle[3]),
                    Readable(idle[4].toDouble()).c_str(), idle[5].toInt() / 2,
                    idle[6] == QLatin1String("1") ? "" : "; the field had no focus");
        std::printf("  a key typed until the field shows it: at the end %s, in the middle %s\n",
                    Readable(idle[7].toDouble()).c_str(), Readable(idle[8].toDouble()).c_str());
    } else
        std::printf("  idle: the child process failed\n");
    std::fflush(stdout);
    const std::array<std::pair<const char*, const char*>, 2> renders{
        {{AwayChild, "focus elsewhere"}, {FieldChild, "focus put into the field at the first pump"}}};
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
