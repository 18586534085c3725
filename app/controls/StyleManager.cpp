// Visual styles: a style sheet from the resources, drawn on Fusion.
#include "StyleManager.h"

#include <QApplication>
#include <QFile>

// Q_INIT_RESOURCE must stand outside any namespace.
static void InitResourcesOnce() { Q_INIT_RESOURCE(resources); }

void InitAppResources()
{
    static const bool done = (InitResourcesOnce(), true);
    (void)done;
}

bool TStyleManager::TrySetStyle(const QString& name)
{
    InitAppResources();
    QFile file(QStringLiteral(":/styles/") + name + QStringLiteral(".qss"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QString sheet = QString::fromUtf8(file.readAll());
    // Under a style sheet Qt stops passing a window's font on to controls it
    // has already polished, unless the window carries a sheet of its own: the
    // form font's height, set once the definition is loaded, would reach no
    // control. With this, fonts and colours pass down as without a sheet.
    QApplication::setAttribute(Qt::AA_UseStyleSheetPropagationInWidgetStyles);
    QApplication::setStyle(QStringLiteral("Fusion"));
    qApp->setStyleSheet(sheet);
    return true;
}
