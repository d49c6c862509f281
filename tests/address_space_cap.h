#pragma once
// A cap on the test process's address space, for tests of readers given a file that asks
// for far more memory than it holds.

#include <sys/resource.h>
#include <unistd.h>

#include <fstream>

namespace morvek::testing {

/// While it lives, the process may map only 256 MiB more than it has now, so reading a
/// file of some GB whole fails at once with bad_alloc, as it would on a smaller machine,
/// instead of filling this one's memory. (AddressSanitizer reserves far more address
/// space than any such cap allows, so its build runs without one.)
class AddressSpaceCap {
public:
    AddressSpaceCap() {
#if !defined(__SANITIZE_ADDRESS__)
        getrlimit(RLIMIT_AS, &saved_);
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        struct rlimit cap = saved_;
        cap.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) +
                       (rlim_t{256} << 20);
        active_ = pages > 0 && setrlimit(RLIMIT_AS, &cap) == 0;
#endif
    }
    ~AddressSpaceCap() {
        if (active_) setrlimit(RLIMIT_AS, &saved_);
    }
    AddressSpaceCap(const AddressSpaceCap&) = delete;
    AddressSpaceCap& operator=(const AddressSpaceCap&) = delete;

private:
    struct rlimit saved_ {};
    bool active_ = false;
};

}  // namespace morvek::testing
