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
    QApplication::setStyle(QStringLiteral("Fusion"));
    qApp->setStyleSheet(sheet);
    return true;
}
