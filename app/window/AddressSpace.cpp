// The memory check before a long line: can the process still take the memory?
#include "AddressSpace.h"

#include <cstdlib>
#include <new>

void RequireAddressSpace(std::size_t bytes)
{
    // Written through a volatile pointer, so that the compiler keeps the
    // allocation; a large block is only mapped, never touched.
    static void* volatile probe = nullptr;
    probe = std::malloc(bytes);
    const bool ok = probe != nullptr;
    std::free(probe);
    probe = nullptr;
    if (!ok)
        throw std::bad_alloc();
}
