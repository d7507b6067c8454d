#pragma once

// Timing helpers and the common reference measurement of the benchmarks.

#include <iconv.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "foundation/file_store.h"

namespace lumidex::bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Best of `runs` wall-clock timings of `f`, in milliseconds.
template <typename F>
double Best(int runs, F f) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    f();
    best = std::min(best, Ms(Clock::now() - start));
  }
  return best;
}

// The reference of the document benchmarks: reads `path` whole and converts
// it from cp932 to UTF-8 with iconv. Returns the number of bytes produced.
inline size_t ReadAndConvert(const std::string& path) {
  Result<std::string> raw = RealFileStore().ReadAll(path);
  if (!raw.ok()) std::abort();
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string out(raw.value().size() * 2, '\0');
  char* in = raw.value().data();
  size_t inLeft = raw.value().size(), outLeft = out.size();
  char* o = out.data();
  iconv(cd, &in, &inLeft, &o, &outLeft);
  iconv_close(cd);
  return out.size() - outLeft;
}

// CPU time used so far by this process (`who` RUSAGE_SELF) or its finished
// children (RUSAGE_CHILDREN), in milliseconds: on a shared machine wall times
// also count waiting for a core.
inline double CpuMs(int who = RUSAGE_SELF) {
  rusage usage{};
  getrusage(who, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// Peak resident memory of this process so far, in megabytes.
inline double PeakMemoryMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The folder a benchmark writes its pictures into: the one named on the
// command line (kept), else a new temporary one that is removed with this
// object.
class WorkFolder {
 public:
  WorkFolder(int argc, char** argv, const std::string& name) {
    if (argc > 1) {
      path_ = argv[1];
      return;
    }
    std::string pattern = "/tmp/" + name + ".XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    own_ = true;
  }
  ~WorkFolder() {
    if (own_) std::filesystem::remove_all(path_);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  bool own_ = false;
};

}  // namespace lumidex::bench
