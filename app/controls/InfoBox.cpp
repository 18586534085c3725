// The info box: its own message box, caption "Info", one OK button, no icon.
#include "InfoBox.h"

#include <QMessageBox>

void ShowInfoBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Info"), text, QMessageBox::Ok);
    box.exec();
}
