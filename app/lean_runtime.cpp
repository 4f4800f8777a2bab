// The C++ runtime's default handler for an uncaught exception prints the
// exception's type, demangled, to a console that a windowed program does not
// have; its demangler alone made up a tenth of the program. This handler ends
// the process the same way without it. Linked into the Windows programs only.

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
