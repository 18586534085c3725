// Start-up: names, icon, style, the main window and the message loop.
#include "StartUp.h"

#include "Application.h"
#include "ErrorBox.h"
#include "MainForm.h"
#include "Pump.h"
#include "StyleManager.h"

#include <QFont>
#include <QIcon>

void InitializeApplication()
{
    InitAppResources();
    QApplication::setApplicationName(QStringLiteral("Tarvexa1"));
    QApplication::setApplicationVersion(QStringLiteral(TINTLINE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("Tarvexa1"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/Tarvexa1-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // Where Tahoma is missing, fonts of nearly its widths keep the captions
    // inside their controls.
    if (QFont::substitutes(QStringLiteral("Tahoma")).isEmpty())
        QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                                   {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Nimbus Sans"),
                                    QStringLiteral("Liberation Sans")});
}

TMainFormHolder::TMainFormHolder(const QString& styleName)
{
    // The result is not looked at: without its style the program still runs.
    TStyleManager::TrySetStyle(styleName);
    form_ = std::make_unique<TForm1>();
    Form1 = form_.get();
}

TMainFormHolder::~TMainFormHolder()
{
    if (Form1 == form_.get())
        Form1 = nullptr;
}

int RunApplication(QApplication& app)
{
    RunGuarded([&] {
        InitializeApplication();
        TMainFormHolder main;
        // A top-level Qt window has its own task-bar button already.
        TPumpHookGuard pump(QtEventPump());
        main.Form().show();
        app.exec();
    });
    return 0;
}
