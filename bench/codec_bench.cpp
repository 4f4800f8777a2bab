// Throughput of the file codecs: the colour list file at memory speed, the exports
// for a large list.
#include <benchmark/benchmark.h>

#include "files/colour_list_file.h"
#include "files/colour_table.h"
#include "files/swatch_exchange.h"

namespace {

std::vector<tl::ColourValue> Colours(std::size_t count) {
  std::vector<tl::ColourValue> colours(count);
  for (std::size_t i = 0; i < count; ++i)
    colours[i] = static_cast<tl::ColourValue>(i * 2654435761u) & 0xFFFFFF;
  return colours;
}

void EncodeColourListFile(benchmark::State& state) {
  const auto colours = Colours(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    tl::Bytes bytes = tl::EncodeColourListFile(colours);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * (13 + 4 * state.range(0)));
}
BENCHMARK(EncodeColourListFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

void DecodeColourListFile(benchmark::State& state) {
  const tl::Bytes bytes =
      tl::EncodeColourListFile(Colours(static_cast<std::size_t>(state.range(0))));
  for (auto _ : state) {
    auto colours = tl::DecodeColourListFile(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(colours.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(DecodeColourListFile)->Arg(1000000)->Unit(benchmark::kMillisecond);

void EncodeSwatchExchange(benchmark::State& state) {
  const auto colours = Colours(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    tl::Bytes bytes = tl::EncodeSwatchExchange(colours);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(EncodeSwatchExchange)->Arg(10000)->Unit(benchmark::kMicrosecond);

void EncodeColourTable(benchmark::State& state) {
  const auto colours = Colours(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    tl::Bytes bytes = tl::EncodeColourTable(colours);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(EncodeColourTable)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
