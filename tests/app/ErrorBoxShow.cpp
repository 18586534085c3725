// Starts the window as the program does and shows an error box over it, so
// that tools/screenshot.sh can take a picture of the box in the one style:
//   ErrorBoxShow            a conversion error's box
//   ErrorBoxShow refused    "Line" refused for memory, over the result of an
//                           earlier "Line" that the refusal leaves in place
#include "AddressSpaceLimit.h"
#include "ErrorBox.h"
#include "MainForm.h"
#include "StartUp.h"
#include "UnicodeString.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    InitializeApplication();
    TMainFormHolder main;
    TForm1& form = main.Form();
    form.show();
    const bool refused = argc > 1 && std::strcmp(argv[1], "refused") == 0;
    QTimer::singleShot(300, &app, [&] {
        if (refused) {
            form.IRCEdit->setText(QString::fromUtf8("Hello \u000304,1red\u0003 and \u0002bold\u0002 done"));
            form.Button2->click();
            // A pasted line of a megabyte, with less memory left than it needs.
            form.IRCEdit->setText(QString(1 << 20, QChar('x')));
            form.IRCEdit->setCursorPosition(0);
            const tt::AddressSpaceLimit limit(std::size_t(256) << 20);
            form.Button2->click();
        } else {
            // What a click handler's failure shows: a conversion error's message.
            RunGuarded([] { (void)UnicodeString("x").ToInt(); });
        }
        app.quit();
    });
    return app.exec();
}
