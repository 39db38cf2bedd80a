// The pictures and the rich-text documents built into the program.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace assets {

// A complete PNG or JPEG file, decoded at start-up into the picture of this number.
struct EmbeddedPicture {
  int number;
  const unsigned char* data;
  std::size_t size;
  bool rescaled;  // resized by the layout scale once it is known
};

// The numbered pictures, in number order.
std::span<const EmbeddedPicture> Pictures();

// The seven guide documents (RTF) one after another, no separator, the last followed by one zero
// byte, which the view includes.
std::string_view GuideDocuments();

// Where each guide document starts within GuideDocuments().
std::array<std::size_t, 7> GuideDocumentOffsets();

// The worked examples and the glossary (RTF), each followed by one zero byte, which the view includes.
std::string_view ExamplesDocument();
std::string_view GlossaryDocument();

}  // namespace assets
