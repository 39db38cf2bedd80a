// Which actions raise which events, with what origin; window events; the virtual clock.
#include <chrono>

#include "platform_fixture.h"

namespace pf::testing {
namespace {

int Count(const std::vector<Event>& events, EventType type) {
  int n = 0;
  for (const Event& e : events) n += e.type == type;
  return n;
}

TEST_F(PlatformTest, FieldChangeCarriesItsOriginAndFill) {
  const int f = FieldGadget(kAutoNumber, 0, 0, 100, 20, "");
  SetGadgetText(f, "12");
  SetGadgetText(f, "12");  // the same text again still reports a change
  {
    FillScope fill;
    SetGadgetText(f, "3");
  }
  SetActiveGadget(f);
  Run();
  test::TypeText("4");
  const auto typed = ControlEvents(Run());
  const auto events = ControlEvents(test::DrainEvents());
  ASSERT_EQ(typed.size(), 1u);
  EXPECT_EQ(typed[0].kind, GadgetEvent::Change);
  EXPECT_EQ(typed[0].origin, Origin::User);
  EXPECT_FALSE(typed[0].inFill);
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(GetGadgetText(f), "34");
}

TEST_F(PlatformTest, ProgramWritesQueueChangesInOrder) {
  const int f = FieldGadget(kAutoNumber, 0, 0, 100, 20, "");
  SetGadgetText(f, "12");
  SetGadgetText(f, "12");
  {
    FillScope fill;
    SetGadgetText(f, "3");
  }
  const auto events = ControlEvents(test::DrainEvents());
  ASSERT_EQ(events.size(), 3u);
  for (const Event& e : events) {
    EXPECT_EQ(e.kind, GadgetEvent::Change);
    EXPECT_EQ(e.origin, Origin::Program);
  }
  EXPECT_FALSE(events[1].inFill);
  EXPECT_TRUE(events[2].inFill);
}

TEST_F(PlatformTest, ComboReportsTheUsersChoiceOnly) {
  const int c = ComboGadget(kAutoNumber, 0, 0, 150, 24);
  for (const char* item : {"one", "two", "three"}) AddGadgetItem(c, -1, item);
  EXPECT_EQ(GetGadgetState(c), -1) << "a new list picks nothing by itself";
  SetGadgetState(c, 1);
  EXPECT_TRUE(test::DrainEvents().empty());
  test::ChooseComboItem(c, 2);
  const auto events = test::DrainEvents();
  ASSERT_EQ(events.size(), 1u) << "the drop-down's focus churn is not reported: " << Describe(events);
  EXPECT_EQ(events[0].kind, GadgetEvent::SelectionChange);
  EXPECT_EQ(events[0].origin, Origin::User);
  EXPECT_EQ(GetGadgetState(c), 2);
  EXPECT_EQ(GetGadgetText(c), "three");
  SetGadgetState(c, 99);
  EXPECT_EQ(GetGadgetState(c), -1);
}

TEST_F(PlatformTest, OnlyTheUsersDateChangeIsReported) {
  const int d = DateGadget(kAutoNumber, 0, 0, 200, 24, "%mm/%dd/%yyyy");
  EXPECT_TRUE(SetGadgetDate(d, {2010, 1, 5}));
  EXPECT_FALSE(SetGadgetDate(d, {2010, 2, 30}));
  EXPECT_EQ(GetGadgetDate(d), (Date{2010, 1, 5}));
  EXPECT_TRUE(test::DrainEvents().empty());
  test::ChangeDate(d, {2011, 3, 4});
  const auto events = test::DrainEvents();
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].kind, GadgetEvent::DateChange);
  EXPECT_EQ(events[0].origin, Origin::User);
  EXPECT_EQ(GetDateDisplayText(d), "03/04/2011");
}

TEST_F(PlatformTest, DoubleClickGivesOneMoreLeftClickAndNothingElse) {
  const int t = TextGadget(kAutoNumber, 10, 10, 100, 20, "tile", flags::kClickable);
  const int b = ButtonGadget(kAutoNumber, 10, 40, 100, 24, "Go");
  for (int g : {t, b}) {
    test::DoubleClick(g);
    const auto events = ControlEvents(test::DrainEvents());
    int clicks = 0;
    for (const Event& e : events) {
      EXPECT_EQ(e.gadget, g);
      clicks += e.kind == GadgetEvent::LeftClick;
      // A button takes the focus on its first press; nothing else may come with the clicks.
      EXPECT_TRUE(e.kind == GadgetEvent::LeftClick || e.kind == GadgetEvent::Focus) << Describe(events);
    }
    EXPECT_EQ(clicks, 2) << g;
  }
  TextGadget(kAutoNumber, 10, 70, 100, 20, "plain");
  test::Click(GadgetAtPoint({GadgetScreenRect(t).x, GadgetScreenRect(t).y + 60}));
  EXPECT_TRUE(ControlEvents(test::DrainEvents()).empty()) << "a text that is not clickable raises nothing";
}

TEST_F(PlatformTest, PointerAndWindowEventsReachTheLoop) {
  const int t = TextGadget(kAutoNumber, 10, 10, 100, 20, "x");
  const Rect r = GadgetScreenRect(t);
  test::MoveMouse({r.x + 5, r.y + 5});
  test::LeftDown(t);
  test::LeftUp(t);
  test::ResizeMainWindow(800, 600);
  test::RequestClose();
  const auto events = test::DrainEvents();
  ASSERT_GE(Count(events, EventType::MouseMove), 1);
  for (const Event& e : events)
    if (e.type == EventType::MouseMove) {
      EXPECT_EQ(e.pos.x, r.x + 5);
      EXPECT_EQ(e.pos.y, r.y + 5);
      break;
    }
  EXPECT_EQ(Count(events, EventType::LeftButtonUp), 1) << Describe(events);
  EXPECT_EQ(Count(events, EventType::SizeWindow), 1);
  EXPECT_EQ(Count(events, EventType::CloseWindow), 1);
  EXPECT_TRUE(IsWindowVisible(kMainWindow)) << "the program decides about closing";
  EXPECT_EQ(WindowClientWidth(kMainWindow), 800);
  EXPECT_EQ(test::PendingMessageAnswers(), 0);
  EXPECT_EQ(CursorPosition().x, r.x + 5);
  test::SetLeftButtonDown(true);
  EXPECT_TRUE(IsLeftButtonDown());
}

TEST_F(PlatformTest, AnotherProgramTakingActivationIsSeen) {
  const int f = FieldGadget(kAutoNumber, 0, 0, 100, 20, "");
  SetActiveGadget(f);
  Run();
  test::ActivateOther();
  EXPECT_EQ(ActiveWindow(), 0);
  EXPECT_EQ(GetActiveGadget(), 0);
  auto events = test::DrainEvents();
  EXPECT_EQ(Count(events, EventType::DeactivateWindow), 1);
  test::ActivateMain();
  EXPECT_EQ(ActiveWindow(), kMainWindow);
  events = test::DrainEvents();
  EXPECT_EQ(Count(events, EventType::ActivateWindow), 1);
}

TEST_F(PlatformTest, VirtualDelayCostsNoTimeButStillPaints) {
  const int t = TextGadget(kAutoNumber, 0, 0, 200, 20, "before");
  Delay(10);
  const int paints = test::PaintCount();
  SetGadgetText(t, "after");
  const std::int64_t before = ElapsedMilliseconds();
  const auto start = std::chrono::steady_clock::now();
  Delay(1000);
  const auto real = std::chrono::steady_clock::now() - start;
  EXPECT_LT(real, std::chrono::milliseconds(500));
  EXPECT_EQ(ElapsedMilliseconds() - before, 1000);
  EXPECT_GT(test::PaintCount(), paints);
}

// Every operation on control 0 or on a number that names no control does nothing and reads empty.
TEST_F(PlatformTest, ControlZeroAndUnknownNumbersAreHarmless) {
  for (int g : {0, 4242}) {
    SetGadgetText(g, "x");
    SetGadgetColour(g, kBackColour, 0x123456);
    HideGadget(g, true);
    DisableGadget(g, true);
    ResizeGadget(g, 1, 2, 3, 4);
    AddGadgetItem(g, -1, "item");
    SetGadgetState(g, 0);
    SetGadgetData(g, 7);
    SetActiveGadget(g);
    SetToolTip(g, "tip");
    EXPECT_FALSE(SetGadgetDate(g, {2010, 1, 1}));
    EXPECT_FALSE(GadgetExists(g));
    EXPECT_EQ(GetGadgetText(g), "");
    EXPECT_EQ(GetGadgetColour(g, kBackColour), 0);
    EXPECT_EQ(GadgetWidth(g), 0);
    EXPECT_EQ(CountGadgetItems(g), 0);
    EXPECT_EQ(GetGadgetData(g), 0);
    EXPECT_EQ(GetToolTip(g), "");
    EXPECT_EQ(GadgetKind(g), Kind::None);
    EXPECT_EQ(AddGadgetHandler(g, [](Message&, const CallPrevious&) { return true; }), 0);
  }
  EXPECT_TRUE(test::DrainEvents().empty());
  EXPECT_EQ(GadgetAtPoint({2, 2}), 0);
}

}  // namespace
}  // namespace pf::testing
