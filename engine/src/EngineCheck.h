#pragma once
// The engine's checks on its own bookkeeping. A value that cannot be (an
// index of -1, an occurrence the text does not hold, a cursor outside the
// text) is a fault of the engine: going on would edit the text in the wrong
// place. Require stops there with a message in every build; it throws no
// error of the program's own class, so no stage handler catches it and
// carries on.
// Which to use: `assert` (Debug and the sanitizer builds only) where a later
// check would stop the fault anyway or the caller already rules it out;
// Require where going on in Release would leave a wrong text that nothing
// after it notices.
namespace EngineCheck {

// Writes the message to stderr and throws std::logic_error.
[[noreturn, gnu::cold]] void Fail(const char* what);

// One predictable compare on the way; the failure is out of line.
inline void Require(bool ok, const char* what)
{
    if (!ok) [[unlikely]]
        Fail(what);
}

} // namespace EngineCheck
