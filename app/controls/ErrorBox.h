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

// The error box's text for what a body threw, from inside a catch block:
// the program's own Exception and every other standard exception with its
// own message, an allocation failure as "Out of memory", anything else
// (or a standard exception without a message) as UnknownErrorText.
QString CurrentExceptionText();

inline constexpr const char* OutOfMemoryText = "Out of memory";
inline constexpr const char* UnknownErrorText = "Unknown error";

// Runs body. Whatever leaves it is shown in the error box with the text
// above. False when something was thrown.
bool RunGuarded(const std::function<void()>& body);
