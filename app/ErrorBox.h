#pragma once
// The error box: what start-up and the click handlers do with an exception
// that nothing else caught. Tests install a sink instead of the modal box.
#include <QString>

#include <functional>

using TExceptionSink = std::function<void(const QString& message)>;

// Shows message in the error box (or hands it to the installed sink).
void ShowException(const QString& message);

// Installs a sink; an empty one brings the box back. Returns the old sink.
TExceptionSink SetExceptionSink(TExceptionSink sink);

// Runs body. An Exception that leaves it is shown with its message, any
// other thrown value with an empty one. False when something was thrown.
bool RunGuarded(const std::function<void()>& body);
