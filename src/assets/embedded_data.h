// The bytes that embed_assets.cmake writes into the build's embedded_data.cpp.
#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace assets::embedded {

struct PictureFile {
  int number;
  const unsigned char* data;
  std::size_t size;
};

// Every picture file, in number order.
std::span<const PictureFile> PictureFiles();

// The seven guide documents back to back, then one zero byte.
std::span<const unsigned char> GuideDocumentBytes();
std::array<std::size_t, 7> GuideDocumentStarts();

// The examples and the glossary document, each followed by one zero byte.
std::span<const unsigned char> ExamplesDocumentBytes();
std::span<const unsigned char> GlossaryDocumentBytes();

}  // namespace assets::embedded
