// Stopping on a fault of the engine's own bookkeeping.
#include "EngineCheck.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace EngineCheck {

void Fail(const char* what)
{
    const std::string message = std::string("rule-loop engine fault: ") + what;
    std::fprintf(stderr, "%s\n", message.c_str());
    throw std::logic_error(message);
}

} // namespace EngineCheck
