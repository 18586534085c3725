// The error box for an exception that nothing else caught, and its test sink.
#include "ErrorBox.h"

#include "Exception.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <cstdio>
#include <exception>
#include <new>
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

QString CurrentExceptionText()
{
    try {
        throw;
    } catch (const Exception& e) {
        return QString::fromStdString(e.Message());
    } catch (const std::bad_alloc&) {
        return QString::fromLatin1(OutOfMemoryText);
    } catch (const std::exception& e) {
        const QString what = QString::fromLocal8Bit(e.what());
        return what.isEmpty() ? QString::fromLatin1(UnknownErrorText) : what;
    } catch (...) {
        return QString::fromLatin1(UnknownErrorText);
    }
}

bool RunGuarded(const std::function<void()>& body)
{
    try {
        body();
        return true;
    } catch (...) {
        try {
            ShowException(CurrentExceptionText());
        } catch (...) {
            // Not even the box could be made (memory ran out again): the
            // program goes on without it rather than end here.
            std::fputs("Tarvexa1: an error occurred and its box could not be shown\n", stderr);
        }
    }
    return false;
}
