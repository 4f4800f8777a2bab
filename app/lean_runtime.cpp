// The Windows programs leave two parts of the C++ runtime out, which together
// made up about a third of them. Linked into the Windows programs only.
//
// Nothing in the programs catches an exception: one thrown by the library
// (out of memory, a length beyond what a string can hold) ends the process
// however it is thrown. The library throws through the __throw_* functions,
// which its manual lets a program define for itself; these end the process at
// once, so the exception classes and the strings they carry stay out.
//
// The default handler for an uncaught exception would print its type, demangled,
// to a console that a windowed program does not have; its demangler alone was a
// tenth of the program. This one ends the process the same way without it.

#include <cstdlib>

namespace std {

[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_bad_function_call() { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { std::abort(); }

}  // namespace std

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
