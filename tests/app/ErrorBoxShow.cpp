// Starts the window as the program does and shows an error box over it, so
// that tools/screenshot.sh can take a picture of the box in the one style.
#include "ErrorBox.h"
#include "MainForm.h"
#include "StartUp.h"
#include "UnicodeString.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    InitializeApplication();
    TMainFormHolder main;
    main.Form().show();
    // What a click handler's failure shows: a conversion error's message.
    QTimer::singleShot(300, &app, [&] {
        RunGuarded([] { (void)UnicodeString("x").ToInt(); });
        app.quit();
    });
    return app.exec();
}
