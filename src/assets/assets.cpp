#include "assets/assets.h"

#include <algorithm>
#include <vector>

#include "embedded_data.h"

namespace assets {

namespace {

// The pictures that follow the layout scale: buttons, footer icons, help icons and the retrieve
// banner. The home page illustration, the program banner and the Understanding page's return
// button keep their stored size.
constexpr int RescaledPictureNumbers[] = {14, 15, 16, 17, 25, 26, 27, 28, 29, 30, 32, 33,
                                          40, 41, 42, 43, 44, 45, 47, 48, 49, 50, 51, 53};

bool IsRescaled(int number) {
  return std::find(std::begin(RescaledPictureNumbers), std::end(RescaledPictureNumbers), number) !=
         std::end(RescaledPictureNumbers);
}

std::vector<EmbeddedPicture> MakePictureTable() {
  std::vector<EmbeddedPicture> table;
  for (const embedded::PictureFile& file : embedded::PictureFiles())
    table.push_back({file.number, file.data, file.size, IsRescaled(file.number)});
  return table;
}

std::string_view AsText(std::span<const unsigned char> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

std::span<const EmbeddedPicture> Pictures() {
  static const std::vector<EmbeddedPicture> table = MakePictureTable();
  return table;
}

std::string_view GuideDocuments() { return AsText(embedded::GuideDocumentBytes()); }

std::array<std::size_t, 7> GuideDocumentOffsets() { return embedded::GuideDocumentStarts(); }

std::string_view ExamplesDocument() { return AsText(embedded::ExamplesDocumentBytes()); }

std::string_view GlossaryDocument() { return AsText(embedded::GlossaryDocumentBytes()); }

}  // namespace assets
