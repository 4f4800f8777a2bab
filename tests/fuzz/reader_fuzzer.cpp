// A libFuzzer target for one palette reader, chosen when it is built
// (TL_FUZZ_READER: clf, ase, aco, act or gpl).

#include <cstdlib>

#include "tests/fuzz/reader_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const tl::fuzz::ReaderCheck* const check = tl::fuzz::FindReaderCheck(TL_FUZZ_READER);
  if (!check) std::abort();
  check->check(data, size);
  return 0;
}
