// tintline_window_bench: "Line" clicked in the shown window as start-up
// builds it, with start-up's message pump, on the benchmark's lines and a
// 4 Mi line, and on lines of line breaks and of every unit. For each line it
// prints the click, the longest stretch in which the window handled no
// event, and the memory. Figures only; it never fails
// on time. Each line runs in a child process of its own, so that the peak
// memory is that line's alone.
//
// After the table come the edit field's figures (EditFieldBench.h) and the
// "Font" figures (FontBench.h).
//
//   QT_QPA_PLATFORM=offscreen tintline_window_bench [--reps=N] [--only=W1,W4,4Mi,4Mi/2,PS458k,edit,Font] [--trace]
#include "EditFieldBench.h"
#include "FontBench.h"
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
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Figures {
    double clickMs = 0;   // median of press and release until the handler returns
    double settleMs = 0;  // after that, until the last stretch over 20 ms ended
    double stretchMs = 0; // longest stretch without an event, click and settling
    std::string where;    // the phases at the two ends of that stretch
    long baseKiB = 0;     // resident before the first measured click
    long peakKiB = 0;     // the process's peak resident size
};

// A row named LINE/2 measures the second "Line" on LINE: the memo and the
// preview then hold the first one's result.
constexpr std::string_view Again = "/2";

Figures RunOne(const Workload& line, int reps, bool trace, bool again)
{
    InitializeApplication();
    TMainFormHolder main;
    TForm1& form = main.Form();
    // The pump as start-up installs it.
    const TPumpHookGuard pump(QtEventPump());
    form.show();
    // A short line first: the first render of a process pays for fonts and
    // the preview's first layout, which no later click does.
    form.IRCEdit->setText(QString::fromUtf16(u"w\x02"
                                             u"a\x03"
                                             u"04rm"));
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    form.IRCEdit->setText(ToQString(line.text));
    QCoreApplication::processEvents();
    if (again) {
        QTest::mouseClick(form.Button2, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    Figures f;
    f.baseKiB = StatusKiB("VmRSS:");
    StretchMeter meter(form, line.text.Length() + 5, trace);
    std::vector<double> clicks;
    std::vector<double> settles;
    for (int r = 0; r < reps; ++r) {
        meter.Start();
        QTest::mouseClick(form.Button2, Qt::LeftButton);
        const qint64 clickEnd = meter.Elapsed();
        meter.ClickEnded();
        Settle(meter);
        meter.Stop();
        clicks.push_back(clickEnd / 1e6);
        settles.push_back(std::max<qint64>(0, meter.BusyEnd() - clickEnd) / 1e6);
        if (meter.Longest() / 1e6 > f.stretchMs) {
            f.stretchMs = meter.Longest() / 1e6;
            f.where = meter.Where();
        }
    }
    std::sort(clicks.begin(), clicks.end());
    std::sort(settles.begin(), settles.end());
    f.clickMs = clicks[clicks.size() / 2];
    f.settleMs = settles[settles.size() / 2];
    f.peakKiB = StatusKiB("VmHWM:");
    return f;
}

// The child: runs one line and prints its figures on one line.
int Child(const std::string& name, int reps, bool trace, int argc, char** argv)
{
    QApplication app(argc, argv);
    const bool again = name.ends_with(Again);
    const std::optional<Workload> made = MakeWorkload(again ? name.substr(0, name.size() - Again.size()) : name);
    if (!made) {
        std::fprintf(stderr, "no line %s\n", name.c_str());
        return 2;
    }
    const Workload& line = *made;
    const Figures f = RunOne(line, reps, trace, again);
    const std::string about = again ? line.about + ", again" : line.about;
    std::printf("%s|%s|%d|%.3f|%.3f|%.3f|%s|%ld|%ld\n", name.c_str(), about.c_str(), line.text.Length(), f.clickMs,
                f.settleMs, f.stretchMs, f.where.c_str(), f.baseKiB, f.peakKiB);
    return 0;
}

int Parent(int repsWanted, bool trace, const std::vector<std::string>& names, int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("\"Line\" clicked in the shown window with start-up's pump; one child process per line.\n");
    std::printf("click: median of press and release until the handler returns; settle: after it, until the last\n");
    std::printf("stretch over 20 ms ended; stretch: the longest time without an event handled, click and settling,\n");
    std::printf("and the phases at its ends; memory: resident before the click and the process's peak.\n\n");
    std::printf("%-8s %-20s %9s %5s %11s %11s %11s  %-26s %9s %9s %7s\n", "line", "about", "units", "reps", "click",
                "settle", "stretch", "stretch in", "base MiB", "peak MiB", "B/unit");
    for (const std::string& name : names) {
        const bool big = name != "W1" && name != "W2" && name != "W3";
        const int reps = repsWanted > 0 ? repsWanted : (big ? 1 : 5);
        QStringList args{QStringLiteral("--reps=%1").arg(reps)};
        if (trace)
            args << QStringLiteral("--trace");
        const QStringList fields = RunChild(QString::fromStdString(name), args);
        if (fields.isEmpty()) {
            std::printf("%-7s the child process failed\n", name.c_str());
            std::fflush(stdout);
            continue;
        }
        if (fields.size() != 9) {
            std::printf("%-7s unreadable figures\n", name.c_str());
            continue;
        }
        const int units = fields[2].toInt();
        const long base = fields[7].toLong(), peak = fields[8].toLong();
        std::printf("%-8s %-20s %9d %5d %11s %11s %11s  %-26s %9.1f %9.1f %7.0f\n", qPrintable(fields[0]),
                    qPrintable(fields[1]), units, reps, Readable(fields[3].toDouble()).c_str(),
                    Readable(fields[4].toDouble()).c_str(), Readable(fields[5].toDouble()).c_str(),
                    qPrintable(fields[6]), base / 1024.0, peak / 1024.0,
                    units > 0 ? (peak - base) * 1024.0 / units : 0.0);
        std::fflush(stdout);
    }
    std::printf("\nB/unit: growth of the peak over the resident size before the click, per unit of the line.\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string child;
    int reps = 0;
    bool trace = false;
    std::vector<std::string> names = WindowLineNames();
    names.push_back("4Mi" + std::string(Again));
    names.push_back("LF4Mi" + std::string(Again));
    names.push_back("edit");
    names.push_back(FontScenario);
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--child=", 8) == 0) {
            child = argv[i] + 8;
        } else if (std::strncmp(argv[i], "--reps=", 7) == 0) {
            reps = std::max(1, std::atoi(argv[i] + 7));
        } else if (std::strncmp(argv[i], "--only=", 7) == 0) {
            names.clear();
            for (const QString& n : QString::fromLocal8Bit(argv[i] + 7).split(',', Qt::SkipEmptyParts))
                names.push_back(n.toStdString());
        } else if (std::strcmp(argv[i], "--trace") == 0) {
            trace = true;
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("usage: %s [--reps=N] "
                        "[--only=W1,W2,W3,W4,4Mi,PS458k,LF1Mi,CRLF1Mi,LF4Mi,Alt1Mi,All64k,4Mi/2,LF4Mi/2,edit,Font]"
                        " [--trace]\n"
                        "  LINE/2: the second \"Line\" on LINE\n"
                        "  edit: the edit field's figures with W4 in it, after the table\n"
                        "  Font: the \"Font\" figures after the table\n"
                        "  --trace prints every stretch over 10 ms without events, with its phases, to stderr\n",
                        argv[0]);
            return 0;
        }
    }
    if (IsFontChild(child))
        return FontChild(child, trace, argc, argv);
    if (!child.empty() && IsEditFieldChild(child))
        return RunEditFieldChild(child, argc, argv);
    if (!child.empty())
        return Child(child, reps > 0 ? reps : 1, trace, argc, argv);
    const bool font = std::erase(names, FontScenario) > 0;
    const bool editField = std::erase(names, "edit") > 0;
    if (!names.empty())
        Parent(reps, trace, names, argc, argv);
    if (editField)
        PrintEditFieldFigures(argc, argv);
    if (font)
        PrintFontFigures(trace, argc, argv);
    return 0;
}
