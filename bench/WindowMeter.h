#pragma once
// What the window benchmark measures with: the process's memory, a meter
// of the longest stretch in which the shown window handled no event, the
// child processes that each measure one row, and the way times are printed.
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <string>

class TForm1;

// A figure of /proc/self/status in KiB (VmRSS: resident now, VmHWM: peak).
long StatusKiB(const char* key);

// A time in milliseconds as the tables print it: "12.3 ms", "1.23 s".
std::string Readable(double ms);

// Runs this program again as the child process that measures one row
// (--child=name, then args), its errors shown as they come; returns the
// '|'-separated figures it printed, or nothing when it failed.
QStringList RunChild(const QString& name, const QStringList& args = {});

// Where a render stands, read from what the window shows.
enum class Phase { Listing, PassesAndScan, LogAndPreview, After };

const char* PhaseName(Phase p);

// Timestamps every pass of the event loop with a 0 ms timer, which fires
// whenever the window handles its pending events, and keeps the longest gap
// with the phases at its two ends. listingLines is the memo's length when
// the listing of the clicked line is written.
class StretchMeter : public QObject {
public:
    StretchMeter(TForm1& form, int listingLines, bool trace);

    void Start();
    void ClickEnded();
    void Stop();

    qint64 Elapsed() const { return clock_.nsecsElapsed(); }
    qint64 Longest() const { return longest_; }
    std::string Where() const { return where_; }
    // When the last stretch of more than 20 ms ended.
    qint64 BusyEnd() const { return busyEnd_; }
    // How long the window has handled no event.
    qint64 SinceLast() const { return clock_.nsecsElapsed() - last_; }

private:
    Phase Now() const;
    void Tick();

    TForm1& form_;
    int listingLines_;
    bool trace_;
    int previewLines_ = 0;
    bool clicking_ = false;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 busyEnd_ = 0;
    Phase lastPhase_ = Phase::Listing;
    qint64 longest_ = 0;
    std::string where_;
};

// Lets the window handle events until it has been idle for a while: the
// repaint and relayout that follow a click belong to the click.
void Settle(const StretchMeter& meter);
