// The window benchmark's meter and memory figures.
#include "WindowMeter.h"

#include "MainForm.h"
#include "RichEdit.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTextDocument>

#include <cstdio>
#include <fstream>

// A figure of /proc/self/status in KiB (VmRSS: resident now, VmHWM: peak).
long StatusKiB(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            long kib = 0;
            status >> kib;
            return kib;
        }
    return -1;
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

QStringList RunChild(const QString& name, const QStringList& args)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--child=%1").arg(name)} + args);
    if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(child.readAllStandardOutput()).trimmed().split('|');
}

const char* PhaseName(Phase p)
{
    switch (p) {
    case Phase::Listing: return "listing";
    case Phase::PassesAndScan: return "passes+scan";
    case Phase::LogAndPreview: return "log+preview";
    case Phase::After: return "after click";
    }
    return "?";
}

StretchMeter::StretchMeter(TForm1& form, int listingLines, bool trace)
    : form_(form), listingLines_(listingLines), trace_(trace)
{
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

void StretchMeter::Start()
{
    clicking_ = true;
    previewLines_ = form_.TestRTF->LinesCount();
    clock_.start();
    last_ = 0;
    busyEnd_ = 0;
    lastPhase_ = Phase::Listing;
    longest_ = 0;
    timer_.start();
}

void StretchMeter::ClickEnded()
{
    Tick();
    clicking_ = false;
}

void StretchMeter::Stop()
{
    Tick();
    timer_.stop();
}

Phase StretchMeter::Now() const
{
    if (!clicking_)
        return Phase::After;
    const int memo = form_.ResultMemo->document()->blockCount();
    if (memo < listingLines_)
        return Phase::Listing;
    // Up to "Line after ColorParser: ", before the line is in the preview.
    if (form_.TestRTF->LinesCount() == previewLines_ && memo < listingLines_ + 7)
        return Phase::PassesAndScan;
    return Phase::LogAndPreview;
}

void StretchMeter::Tick()
{
    const qint64 now = clock_.nsecsElapsed();
    const Phase phase = Now();
    const qint64 gap = now - last_;
    const std::string where =
        lastPhase_ == phase ? PhaseName(phase) : std::string(PhaseName(lastPhase_)) + " .. " + PhaseName(phase);
    if (gap > longest_) {
        longest_ = gap;
        where_ = where;
    }
    if (gap > 20'000'000)
        busyEnd_ = now;
    if (trace_ && gap > 10'000'000)
        std::fprintf(stderr, "%10.1f ms: %8.1f ms without events (%s)\n", now / 1e6, gap / 1e6, where.c_str());
    last_ = now;
    lastPhase_ = phase;
}

// Lets the window handle events until it has been idle for a while: the
// repaint and relayout that follow a click belong to the click.
void Settle(const StretchMeter& meter)
{
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (meter.SinceLast() < 2'000'000 && wall.elapsed() > 300)
            break;
    }
}
