#pragma once
// Lowers the process's address-space limit for a while, so that a test can
// make "Line" meet a machine without the memory a long line needs.
#include <sys/resource.h>

#include <cstddef>
#include <fstream>
#include <string>

namespace tt {

// Leaves the process only headroom bytes more address space than it has
// mapped now, while it lives.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(std::size_t headroom)
    {
        getrlimit(RLIMIT_AS, &before_);
        rlimit lower = before_;
        lower.rlim_cur = MappedBytes() + headroom;
        setrlimit(RLIMIT_AS, &lower);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &before_); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

private:
    static std::size_t MappedBytes()
    {
        std::ifstream status("/proc/self/status");
        std::string word;
        std::size_t kib = 0;
        while (status >> word)
            if (word == "VmSize:" && status >> kib)
                break;
        return kib << 10;
    }
    rlimit before_{};
};

} // namespace tt
