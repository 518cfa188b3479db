// Opening and saving a model file: the archive and the atomic write, on a
// file in the system's temporary folder.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_model.h"
#include "doc/file_store.h"

namespace tessaro::bench {
namespace {

std::string BenchFilePath() {
  return (std::filesystem::temp_directory_path() / "tessaro_bench_model.kvr").string();
}

void BM_SaveModelFile(benchmark::State& state) {
  const Document doc = SixConstraintDocument();
  const std::string path = BenchFilePath();
  std::string message;
  for (auto _ : state) {
    if (!SaveModelFile(path, doc.model(), message)) {
      state.SkipWithError(message.c_str());
      break;
    }
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_SaveModelFile)->Unit(benchmark::kMicrosecond);

void BM_OpenModelFile(benchmark::State& state) {
  const std::string path = BenchFilePath();
  std::string message;
  if (!SaveModelFile(path, SixConstraintDocument().model(), message)) {
    state.SkipWithError(message.c_str());
    return;
  }
  for (auto _ : state) {
    Model doc;
    if (!LoadModelFile(path, doc, message)) {
      state.SkipWithError(message.c_str());
      break;
    }
    benchmark::DoNotOptimize(doc.lines[0].c);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_OpenModelFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tessaro::bench

BENCHMARK_MAIN();
