// The window benchmark's "Font" figures. With W4 rendered once by "Line",
// "Font" is confirmed through the dialog's chooser: alone, timed from the
// confirmation until the window settles; and in the middle of a second
// render of W4, once during the passes and once during the apply loop,
// beside that render without it. Then "Font" alone once more, with the line
// of 458,752 U+2029 rendered instead of W4, and at the largest size the
// dialog offers after W4, after LF1Mi and after LF4Mi twice; and with
// LF4Mi rendered twice, "Dark Background", "Light Background" and AutoColor.
#include "FontBench.h"
#include "WindowMeter.h"
#include "Workloads.h"

#include "Application.h"
#include "FontDialog.h"
#include "MainForm.h"
#include "Pump.h"
#include "QtText.h"
#include "RichEdit.h"
#include "StartUp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

struct Scenario {
    const char* name;
    const char* about;
    const char* line; // rendered before
    int size;         // of the font chosen
    int renders = 1;  // of the line before the command
};

const std::vector<Scenario> Scenarios{
    {"Font", "\"Font\" alone, from the confirmation", "W4", 14},
    {"Font.none", "second \"Line\" on W4, no \"Font\"", "W4", 14},
    {"Font.passes", "second \"Line\", \"Font\" in the passes", "W4", 14},
    {"Font.apply", "second \"Line\", \"Font\" in the apply loop", "W4", 14},
    {"Font.breaks", "\"Font\" alone, PS458k rendered instead of W4", "PS458k", 14},
    {"Font.512", "\"Font\" alone at 512 pt, the largest offered", "W4", 512},
    {"Font.512LF", "\"Font\" alone at 512 pt, LF1Mi rendered", "LF1Mi", 512},
    {"Font.LF4Mi", "\"Font\" alone at 512 pt, LF4Mi rendered twice", "LF4Mi", 512, 2},
    {"Dark.LF4Mi", "\"Dark Background\", LF4Mi rendered twice", "LF4Mi", 0, 2},
    {"Light.LF4Mi", "\"Light Background\", LF4Mi rendered twice", "LF4Mi", 0, 2},
    {"AutoColor.LF4Mi", "AutoColor ticked, LF4Mi rendered twice", "LF4Mi", 0, 2},
};

// The commands measured alone, after the line is rendered.
bool Alone(const std::string& name) { return name != "Font.none" && name != "Font.passes" && name != "Font.apply"; }

const Scenario& Named(const std::string& name)
{
    for (const Scenario& s : Scenarios)
        if (name == s.name)
            return s;
    return Scenarios.front();
}

// A font unlike the start font in every property that "Font" copies.
void ChooseOther(TFont& font, int size)
{
    font.Charset = 0;
    font.Color = 0x0000FF;
    font.Name = QStringLiteral("DejaVu Serif");
    font.Size = size;
    font.Height = HeightFromSize(size);
    font.Pitch = TFontPitch::fpVariable;
}

struct Figures {
    double handlerMs = 0; // the confirmation (or the click) until its handler returns
    double settleMs = 0;  // after that, until the last stretch over 20 ms ended
    double stretchMs = 0; // the longest stretch without an event
};

Figures Measure(StretchMeter& meter, const std::function<void()>& act)
{
    act();
    const qint64 end = meter.Elapsed();
    meter.ClickEnded();
    Settle(meter);
    meter.Stop();
    return {end / 1e6, std::max<qint64>(0, meter.BusyEnd() - end) / 1e6, meter.Longest() / 1e6};
}

Figures Run(const std::string& name, bool trace)
{
    InitializeApplication();
    TMainFormHolder main;
    TForm1& form = main.Form();
    const TPumpHookGuard pump(QtEventPump());
    form.show();
    const Scenario& scenario = Named(name);
    const UnicodeString w4 = MakeWorkload(scenario.line)->text;
    form.IRCEdit->setText(QString::fromUtf16(u"w\x02"
                                             u"a\x03"
                                             u"04rm"));
    QTest::mouseClick(form.Button2, Qt::LeftButton);
    form.IRCEdit->setText(ToQString(w4));
    for (int r = 0; r < scenario.renders; ++r)
        QTest::mouseClick(form.Button2, Qt::LeftButton);
    StretchMeter meter(form, w4.Length() + 5, trace);
    meter.Start();
    meter.ClickEnded();
    Settle(meter);
    meter.Stop();

    // The preview's other commands, each named by its row's first word.
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Dark.", [&] { form.DarkBackground1->trigger(); }},
        {"Light.", [&] { form.LightBackground1->trigger(); }},
        {"AutoColor.", [&] { form.ToggleCheck->click(); }},
    };
    for (const auto& [prefix, command] : commands)
        if (name.starts_with(prefix))
            return Measure(meter, [&] {
                meter.Start();
                command();
            });
    if (Alone(name)) {
        form.FontDialog1->SetChooser([&](TFont& font) {
            ChooseOther(font, scenario.size);
            meter.Start();
            return true;
        });
        return Measure(meter, [&] { form.Font1->trigger(); });
    }

    // The second render, with "Font" chosen once at the first pump that
    // finds the render where the scenario wants it.
    form.FontDialog1->SetChooser([&](TFont& font) {
        ChooseOther(font, scenario.size);
        return true;
    });
    const int previewLines = form.TestRTF->LinesCount();
    const int listingLines = w4.Length() + 5;
    bool chosen = name == "Font.none";
    QTimer chooser;
    chooser.setInterval(0);
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        if (chosen || form.Button2->isEnabled())
            return;
        const bool appended = form.TestRTF->LinesCount() > previewLines;
        const bool listed = form.ResultMemo->document()->blockCount() >= listingLines;
        if ((name == "Font.passes" && listed && !appended) || (name == "Font.apply" && appended)) {
            chosen = true;
            form.Font1->trigger();
        }
    });
    chooser.start();
    meter.Start();
    const Figures f = Measure(meter, [&] { QTest::mouseClick(form.Button2, Qt::LeftButton); });
    if (!chosen)
        std::fprintf(stderr, "%s: the render never reached the point where \"Font\" was to be chosen\n", name.c_str());
    return f;
}

} // namespace

bool IsFontChild(const std::string& name)
{
    for (const Scenario& s : Scenarios)
        if (name == s.name)
            return true;
    return false;
}

int FontChild(const std::string& name, bool trace, int argc, char** argv)
{
    QApplication app(argc, argv);
    const Figures f = Run(name, trace);
    std::printf("%.3f|%.3f|%.3f\n", f.handlerMs, f.settleMs, f.stretchMs);
    return 0;
}

void PrintFontFigures(bool trace, int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf(
        "\n\"Font\" with a line rendered by \"Line\" in the preview (W4 once, unless said), confirmed through\n");
    std::printf(
        "the chooser, and the preview's other commands; one child process per row. handler: the confirmation\n");
    std::printf("or the command (a render: the click) until its handler returns; settle and stretch as above.\n\n");
    std::printf("%-16s %-48s %11s %11s %11s\n", "scenario", "about", "handler", "settle", "stretch");
    for (const Scenario& s : Scenarios) {
        QStringList args;
        if (trace)
            args << QStringLiteral("--trace");
        const QStringList fields = RunChild(QString::fromLatin1(s.name), args);
        if (fields.size() != 3) {
            std::printf("%-16s the child process failed\n", s.name);
            std::fflush(stdout);
            continue;
        }
        std::printf("%-16s %-48s %11s %11s %11s\n", s.name, s.about, Readable(fields[0].toDouble()).c_str(),
                    Readable(fields[1].toDouble()).c_str(), Readable(fields[2].toDouble()).c_str());
        std::fflush(stdout);
    }
}
