// Where a benchmark keeps its record file: a fresh directory under /tmp, or under QM_BENCH_DIR when set
// (a memory file system there leaves the disk's own flush time out of the figures).
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

inline void EnterFreshBenchDirectory() {
  const char* base = ::getenv("QM_BENCH_DIR");
  std::string pattern = std::string(base && *base ? base : "/tmp") + "/quillmark-bench-XXXXXX";
  std::filesystem::current_path(::mkdtemp(pattern.data()));
}
