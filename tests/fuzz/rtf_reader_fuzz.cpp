// Feeds arbitrary bytes to the RTF reader; any crash, sanitizer report or hang is a fault.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pf::rtf::Document d = pf::rtf::ReadRtf(std::string_view(reinterpret_cast<const char*>(data), size));
  std::size_t bytes = 0;
  for (const auto& p : d.paragraphs) {
    for (const auto& r : p.runs) bytes += r.text.size();
  }
  // Text only grows from input: each input byte gives at most a few bytes of UTF-8.
  if (bytes > 4 * size + 16) __builtin_trap();
  return 0;
}
