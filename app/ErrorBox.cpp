#include "ErrorBox.h"

#include "Exception.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <utility>

namespace {
TExceptionSink& Sink()
{
    static TExceptionSink sink;
    return sink;
}
} // namespace

void ShowException(const QString& message)
{
    if (Sink()) {
        Sink()(message);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), message, QMessageBox::Ok);
    box.exec();
}

TExceptionSink SetExceptionSink(TExceptionSink sink)
{
    std::swap(sink, Sink());
    return sink;
}

bool RunGuarded(const std::function<void()>& body)
{
    try {
        body();
        return true;
    } catch (const Exception& e) {
        ShowException(QString::fromStdString(e.Message()));
    } catch (...) {
        ShowException(QString());
    }
    return false;
}
