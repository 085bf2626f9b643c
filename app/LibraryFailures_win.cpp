// What the setup does when the C++ library fails: it ends the process.
//
// The setup catches no exception, so anything libstdc++ throws (no memory, a
// length past max_size, a bad index) already ends it through std::terminate.
// Ending it here directly does the same without linking the library's
// exception classes, which carry a second, reference-counted string
// implementation, and its verbose terminate handler, which carries a C++
// demangler and a printf implementation to print to a stderr that a GUI
// program does not have: together about 100 KB of the setup.
#include <bits/functexcept.h>

#include <cstdlib>
#include <new>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx

namespace std {

// Memory is the one failure callers may plan for, so it stays an exception.
void __throw_bad_alloc() {
    throw std::bad_alloc();
}

void __throw_bad_array_new_length() {
    throw std::bad_alloc();
}

void __throw_length_error(const char*) {
    std::abort();
}

void __throw_logic_error(const char*) {
    std::abort();
}

void __throw_out_of_range(const char*) {
    std::abort();
}

void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}

void __throw_invalid_argument(const char*) {
    std::abort();
}

void __throw_bad_function_call() {
    std::abort();
}

}  // namespace std
