#pragma once
// The program's module: where every resource is loaded from.

#include <windows.h>

namespace tl {

class Module {
 public:
  static void Init(HINSTANCE instance) { s_instance = instance; }
  static void Term() { s_instance = nullptr; }
  // Falls back to the executable, so code used before Init (tests) still finds
  // the resources linked into it.
  static HINSTANCE Instance() { return s_instance ? s_instance : ::GetModuleHandleA(nullptr); }

 private:
  static inline HINSTANCE s_instance = nullptr;
};

}  // namespace tl
