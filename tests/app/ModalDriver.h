#pragma once
// Drives a modal dialog from inside its own event loop: the code under
// test opens the dialog and waits in exec(); the driver finds it there,
// runs the test's key presses and clicks on it, and closes it if the test
// left it open, so a failed check never leaves the test waiting.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

namespace at {

template <class Dialog>
class TModalDriver {
public:
    explicit TModalDriver(std::function<void(Dialog&)> drive) : drive_(std::move(drive))
    {
        // The timer only fires while an event loop runs, that is while the
        // dialog waits in exec().
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    TModalDriver(const TModalDriver&) = delete;
    TModalDriver& operator=(const TModalDriver&) = delete;

    // True once the dialog was found and driven.
    bool Ran() const { return ran_; }

private:
    void Poll()
    {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer_.stop();
        ran_ = true;
        drive_(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    }

    std::function<void(Dialog&)> drive_;
    QTimer timer_;
    bool ran_ = false;
};

} // namespace at
