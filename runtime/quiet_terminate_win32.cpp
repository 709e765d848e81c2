// The shipped programs have no console, so libstdc++'s verbose terminate handler, which
// prints the exception's demangled type to stderr, would only add its demangler (about
// 60 KB) to every binary. Defining the handler here keeps that archive member out of the
// link; an uncaught exception still ends the process at once.
#include <cstdlib>

namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler();
[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
