// The benchmark runner: Google Benchmark's own, with the build of the library recorded
// in the report's context so that figures from unoptimised builds are recognised.
#include <benchmark/benchmark.h>

#ifndef ORV_BENCH_BUILD_TYPE
#define ORV_BENCH_BUILD_TYPE "unknown"
#endif

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::AddCustomContext("orv_build_type", ORV_BENCH_BUILD_TYPE);
#if defined(__clang__)
  benchmark::AddCustomContext("orv_compiler", "clang " __clang_version__);
#elif defined(__GNUC__)
  benchmark::AddCustomContext("orv_compiler", "gcc " __VERSION__);
#endif
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
