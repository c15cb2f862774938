// The benchmark runner: Google Benchmark's own, with the machine and the build of the
// library recorded in the report's context, so that every table of figures says where
// it was measured. (Google Benchmark's "library_build_type" describes the benchmark
// library as the distribution built it, not this library; "orv_build_type" is ours.)
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#if defined(__unix__)
#include <sys/utsname.h>
#endif

#ifndef ORV_BENCH_BUILD_TYPE
#define ORV_BENCH_BUILD_TYPE "unknown"
#endif

namespace {

// Returns the processor's model name as the system reports it, or "" when unknown.
std::string cpuModel() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  while (std::getline(cpuinfo, line)) {
    if (line.rfind("model name", 0) == 0) {
      std::string::size_type const colon = line.find(':');
      if (colon != std::string::npos) return line.substr(line.find_first_not_of(" \t", colon + 1));
    }
  }
  return std::string();
}

std::string operatingSystem() {
#if defined(__unix__)
  utsname name{};
  if (uname(&name) == 0) return std::string(name.sysname) + " " + name.release;
#endif
  return std::string();
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::AddCustomContext("orv_build_type", ORV_BENCH_BUILD_TYPE);
#if defined(__clang__)
  benchmark::AddCustomContext("orv_compiler", "clang " __clang_version__);
#elif defined(__GNUC__)
  benchmark::AddCustomContext("orv_compiler", "gcc " __VERSION__);
#endif
  benchmark::AddCustomContext("orv_cpu_model", cpuModel());
  benchmark::AddCustomContext("orv_os", operatingSystem());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
