// What the setup does when the C++ library fails: it ends the process.
//
// The setup catches no exception, so anything libstdc++ would throw (no
// memory, a length past max_size, a bad index) would end it through
// std::terminate anyway. Ending it here directly does the same without
// linking what a throw needs: the library's exception classes, which carry a
// second, reference-counted string implementation; its verbose terminate
// handler, which carries a C++ demangler and a printf implementation to print
// to a stderr that a GUI program does not have; and the unwinder with its
// personality routine and tables. Together well over 100 KB of the setup.
#include <bits/functexcept.h>

#include <cstdlib>
#include <new>

// No memory ends the process, as an uncaught std::bad_alloc would. The
// library's operator new would throw it, and so bring in the unwinder.
void* operator new(std::size_t size) {
    if (void* p = std::malloc(size ? size : 1))
        return p;
    std::abort();
}

void* operator new[](std::size_t size) {
    return ::operator new(size);
}

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx

namespace std {

void __throw_bad_alloc() {
    std::abort();
}

void __throw_bad_array_new_length() {
    std::abort();
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
