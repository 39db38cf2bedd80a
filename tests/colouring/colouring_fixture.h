// A main window with a known font and no program around it: the colouring library needs controls only.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "colouring/colour_library.h"
#include "platform/platform.h"
#include "platform/test_surface.h"

class ColouringTest : public ::testing::Test {
 protected:
  static constexpr pf::Rgb kText = 0xFFFFFF;
  static constexpr pf::Rgb kFace = pf::MakeRgb(102, 154, 204);

  void SetUp() override {
    pf::test::SetWorkArea(800, 600);
    pf::test::SetScreenDpi(96);
    static int argc = 1;
    static char name[] = "colouring";
    static char* argv[] = {name, nullptr};
    pf::InitPlatform(argc, argv);
    StartLibrary();
    pf::OpenMainWindow("Colouring", 0, 0, 800, 600, true);
    // The program gives its controls font 99, the number the layer draws with when a control has none.
    font_ = pf::LoadFontPixels(99, "Arial", 14);
    pf::SetDefaultGadgetFont(font_);
    pf::test::RecordPictureDrawing(true);
  }
  void TearDown() override { pf::ShutdownPlatform(); }

  // Tests that need a visual style set it first and start the library again.
  virtual void StartLibrary() { InitColourLibrary(); }

  // The caption texts drawn since the last call, in order, with where they went.
  std::vector<pf::test::DrawOp> DrawnTexts() {
    std::vector<pf::test::DrawOp> texts;
    for (auto& op : pf::test::TakePictureOps()) {
      if (op.type == pf::test::DrawOp::Type::Text) texts.push_back(op);
    }
    return texts;
  }

  // Measures with the button font on a scratch picture, as the faces are measured.
  int Measure(const std::string& text, bool height = false) {
    const int scratch = pf::CreatePicture(pf::kAutoNumber, 10, 10);
    pf::StartDrawingOnPicture(scratch);
    pf::DrawingFont(font_);
    const int value = height ? pf::TextHeight(text) : pf::TextWidth(text);
    pf::StopDrawing();
    pf::test::TakePictureOps();
    return value;
  }

  const GadgetColourRecord& RecordOf(int gadget) {
    const GadgetColourRecord* r = FindColourRecord(gadget);
    EXPECT_NE(r, nullptr);
    static const GadgetColourRecord kNone;
    return r ? *r : kNone;
  }

  int font_ = 0;
};
