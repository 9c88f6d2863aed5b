#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/FirstResponder.h"
#include "platform/ui/input/Keyboard.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/render/Renderer.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

using Operation = TextFieldDelegate::Operation;

// Records what it is told and asked, and answers as set.
class RecordingDelegate : public TextFieldDelegate {
 public:
  explicit RecordingDelegate(std::set<Operation> implemented) : implemented_(std::move(implemented)) {}

  bool implements(Operation operation) const override { return implemented_.contains(operation); }
  void textFieldDidBeginEditing(TextField&) override { calls.push_back("begin"); }
  void textFieldDidEndEditing(TextField& field) override { calls.push_back("end:" + field.text()); }
  bool textFieldShouldReturn(TextField&) override {
    calls.push_back("return");
    return answer;
  }
  bool textField(TextField&, TextRange range, const std::string& replacement) override {
    changes.push_back({range, replacement});
    return replacement != refused;
  }
  bool textFieldShouldClear(TextField&) override {
    calls.push_back("clear");
    return answer;
  }

  std::vector<std::string> calls;
  std::vector<std::pair<TextRange, std::string>> changes;
  bool answer = true;
  std::string refused;

 private:
  std::set<Operation> implemented_;
};

const std::set<Operation> kEverything = {Operation::textFieldDidBeginEditing, Operation::textFieldDidEndEditing,
                                         Operation::textFieldShouldReturn, Operation::textFieldShouldChangeCharacters,
                                         Operation::textFieldShouldClear};

class TextFields : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  void SetUp() override {
    for (const auto name : {Keyboard::willShowNotification, Keyboard::didShowNotification,
                            Keyboard::willHideNotification, Keyboard::didHideNotification}) {
      observations.push_back(Keyboard::shared().addObserver(name, [this](const foundation::Notification& notification) {
        const auto frame = Keyboard::frameEnd(notification);
        heard.push_back(notification.name + (frame ? " y=" + std::to_string(int(frame->y())) : ""));
      }));
    }
  }
  void TearDown() override {
    observations.clear();
    if (Keyboard::shared().isVisible()) Keyboard::shared().hide();
  }

  std::shared_ptr<TextField> fieldIn(const std::shared_ptr<View>& parent, const graphics::Rect& frame,
                                     const std::shared_ptr<TextFieldDelegate>& delegate = nullptr) {
    auto field = TextField::make(frame);
    field->setDelegate(delegate);
    field->addEditingChangedAction(
        [this](Control& control) { edits.push_back(static_cast<TextField&>(control).text()); });
    parent->addSubview(field);
    return field;
  }

  static std::string shownAt(double height) {
    return " y=" + std::to_string(int(Screen::mainScreen().bounds().maxY() - height));
  }
  static std::string gone() { return " y=" + std::to_string(int(Screen::mainScreen().bounds().maxY())); }

  std::shared_ptr<Window> window = Window::make({0, 0, 375, 812});
  TouchInjector touches{window};
  std::vector<std::shared_ptr<Keyboard::Observation>> observations;
  std::vector<std::string> heard;
  std::vector<std::string> edits;
};

TEST_F(TextFields, ATapGivesTheFieldTheKeyboardAndResigningTakesItAway) {
  const auto delegate = std::make_shared<RecordingDelegate>(kEverything);
  const auto field = fieldIn(window, {20, 100, 200, 30}, delegate);
  field->setText("abc");
  window->makeKeyAndVisible();

  touches.tap({60, 115});
  EXPECT_TRUE(field->isFirstResponder());
  EXPECT_EQ(FirstResponder::of(*window), field);
  EXPECT_EQ(FirstResponder::ofKeyWindow(), field);
  EXPECT_TRUE(Keyboard::shared().isVisible());

  EXPECT_TRUE(field->resignFirstResponder());
  EXPECT_FALSE(field->isFirstResponder());
  EXPECT_EQ(FirstResponder::of(*window), nullptr);
  EXPECT_FALSE(field->resignFirstResponder());

  const double height = Keyboard::shared().height();
  EXPECT_EQ(heard,
            (std::vector<std::string>{
                "UIKeyboardWillShowNotification" + shownAt(height), "UIKeyboardDidShowNotification" + shownAt(height),
                "UIKeyboardWillHideNotification" + gone(), "UIKeyboardDidHideNotification" + gone()}));
  EXPECT_EQ(delegate->calls, (std::vector<std::string>{"begin", "end:abc"}));
}

TEST_F(TextFields, ASecondFieldTakingFocusResignsTheFirstWhileTheKeyboardStaysUp) {
  const auto first = std::make_shared<RecordingDelegate>(kEverything);
  const auto second = std::make_shared<RecordingDelegate>(kEverything);
  const auto a = fieldIn(window, {0, 0, 100, 30}, first);
  const auto b = fieldIn(window, {0, 50, 100, 30}, second);
  ASSERT_TRUE(a->becomeFirstResponder());
  EXPECT_TRUE(a->becomeFirstResponder());
  ASSERT_TRUE(b->becomeFirstResponder());

  EXPECT_FALSE(a->isFirstResponder());
  EXPECT_EQ(FirstResponder::of(*window), b);
  EXPECT_EQ(first->calls, (std::vector<std::string>{"begin", "end:"}));
  EXPECT_EQ(second->calls, (std::vector<std::string>{"begin"}));
  // Every field taking the keyboard announces it, so views following the keyboard move again.
  const double height = Keyboard::shared().height();
  EXPECT_EQ(heard, (std::vector<std::string>{"UIKeyboardWillShowNotification" + shownAt(height),
                                             "UIKeyboardDidShowNotification" + shownAt(height),
                                             "UIKeyboardWillShowNotification" + shownAt(height),
                                             "UIKeyboardDidShowNotification" + shownAt(height)}));
}

TEST_F(TextFields, EachWindowHasItsOwnFirstResponderAndTheKeyboardHidesWithTheLast) {
  const auto other = Window::make({0, 0, 375, 812});
  const auto here = fieldIn(window, {0, 0, 100, 30});
  const auto there = fieldIn(other, {0, 0, 100, 30});
  ASSERT_TRUE(here->becomeFirstResponder());
  ASSERT_TRUE(there->becomeFirstResponder());
  EXPECT_TRUE(here->isFirstResponder());
  EXPECT_TRUE(there->isFirstResponder());

  here->resignFirstResponder();
  EXPECT_TRUE(Keyboard::shared().isVisible());
  there->resignFirstResponder();
  EXPECT_FALSE(Keyboard::shared().isVisible());
}

TEST_F(TextFields, OnlyAnEnabledFieldInAWindowBecomesFirstResponder) {
  const auto loose = TextField::make({0, 0, 100, 30});
  const auto container = View::make({0, 0, 200, 200});
  const auto nested = fieldIn(container, {0, 0, 100, 30});
  const auto disabled = fieldIn(window, {0, 100, 100, 30});
  disabled->setEnabled(false);

  EXPECT_FALSE(loose->becomeFirstResponder());
  EXPECT_FALSE(nested->becomeFirstResponder());
  EXPECT_FALSE(disabled->becomeFirstResponder());
  EXPECT_TRUE(heard.empty());

  // The window is found through the superview chain, once the container is in one.
  window->addSubview(container);
  EXPECT_TRUE(nested->becomeFirstResponder());
}

TEST_F(TextFields, AFirstResponderTakenOutOfItsWindowResigns) {
  const auto delegate = std::make_shared<RecordingDelegate>(kEverything);
  const auto container = View::make({0, 0, 200, 200});
  window->addSubview(container);
  const auto field = fieldIn(container, {0, 0, 100, 30}, delegate);
  ASSERT_TRUE(field->becomeFirstResponder());

  container->removeFromSuperview();
  EXPECT_FALSE(field->isFirstResponder());
  EXPECT_FALSE(Keyboard::shared().isVisible());
  EXPECT_EQ(delegate->calls, (std::vector<std::string>{"begin", "end:"}));

  // Back in a window, it is not first responder until asked again.
  window->addSubview(container);
  EXPECT_FALSE(field->isFirstResponder());
}

TEST_F(TextFields, EndingEditingInAViewResignsOnlyAFirstResponderInsideIt) {
  const auto pane = View::make({0, 0, 375, 400});
  const auto elsewhere = View::make({0, 400, 375, 400});
  window->addSubview(pane);
  window->addSubview(elsewhere);
  const auto field = fieldIn(pane, {0, 0, 100, 30});
  ASSERT_TRUE(field->becomeFirstResponder());

  EXPECT_FALSE(FirstResponder::endEditing(*elsewhere));
  EXPECT_TRUE(field->isFirstResponder());
  EXPECT_TRUE(FirstResponder::endEditing(*pane));
  EXPECT_FALSE(field->isFirstResponder());
  EXPECT_FALSE(FirstResponder::endEditing(*window));
}

TEST_F(TextFields, AnAccessoryViewRidesOnTheKeyboardWhileTheFieldEdits) {
  const auto field = fieldIn(window, {0, 0, 100, 30});
  const auto strip = View::make({0, 0, 10, 44});
  field->setInputAccessoryView(strip);
  window->addSubview(View::make({0, 0, 375, 812}));
  ASSERT_TRUE(field->becomeFirstResponder());

  const double keyboardTop = 812 - Keyboard::defaultHeight - 44;
  EXPECT_EQ(heard.front(), "UIKeyboardWillShowNotification" + shownAt(Keyboard::defaultHeight + 44));
  EXPECT_EQ(strip->frame(), (graphics::Rect{0, keyboardTop, 375, 44}));
  EXPECT_EQ(window->hitTest({100, keyboardTop + 20}), strip) << "in front of everything";

  const auto other = fieldIn(window, {0, 50, 100, 30});
  ASSERT_TRUE(other->becomeFirstResponder());
  EXPECT_EQ(strip->superview(), nullptr);
  EXPECT_EQ(heard[2], "UIKeyboardWillShowNotification" + shownAt(Keyboard::defaultHeight));
}

TEST_F(TextFields, TypedTextGoesInCharacterByCharacterAsTheDelegateAllows) {
  const auto delegate = std::make_shared<RecordingDelegate>(kEverything);
  delegate->refused = "x";
  const auto field = fieldIn(window, {0, 0, 200, 30}, delegate);
  field->setText("a");
  EXPECT_TRUE(edits.empty());
  ASSERT_TRUE(field->becomeFirstResponder());

  EXPECT_TRUE(field->insertText("é😀xb"));
  EXPECT_EQ(field->text(), "aé😀b");
  // Ranges count UTF-16 units: the emoji takes two.
  const std::vector<std::tuple<std::size_t, std::size_t, std::string>> expected = {
      {1, 0, "é"}, {2, 0, "😀"}, {4, 0, "x"}, {4, 0, "b"}};
  std::vector<std::tuple<std::size_t, std::size_t, std::string>> asked;
  for (const auto& [range, replacement] : delegate->changes)
    asked.emplace_back(range.location, range.length, replacement);
  EXPECT_EQ(asked, expected);
  EXPECT_EQ(edits, (std::vector<std::string>{"aé", "aé😀", "aé😀b"}));
}

TEST_F(TextFields, TypingReachesOnlyTheFirstResponderAndOnlyAsUtf8) {
  const auto field = fieldIn(window, {0, 0, 200, 30});
  EXPECT_FALSE(field->insertText("a"));
  ASSERT_TRUE(field->becomeFirstResponder());
  EXPECT_FALSE(field->insertText("b\xff"));
  field->setText("\xc3");
  EXPECT_EQ(field->text(), "");
  EXPECT_TRUE(edits.empty());
}

TEST_F(TextFields, KeysPressedOnTheKeyboardReachTheKeyWindowsFirstResponder) {
  const auto delegate = std::make_shared<RecordingDelegate>(kEverything);
  const auto other = Window::make({0, 0, 375, 812});
  const auto background = fieldIn(other, {0, 0, 100, 30});
  const auto field = fieldIn(window, {0, 0, 100, 30}, delegate);
  window->makeKeyAndVisible();
  EXPECT_FALSE(Keyboard::shared().type("lost"));
  EXPECT_FALSE(Keyboard::shared().pressReturn());

  ASSERT_TRUE(background->becomeFirstResponder());
  ASSERT_TRUE(field->becomeFirstResponder());
  EXPECT_TRUE(Keyboard::shared().type("time"));
  delegate->answer = false;
  EXPECT_FALSE(Keyboard::shared().pressReturn());
  EXPECT_EQ(field->text(), "time");
  EXPECT_EQ(background->text(), "");
  EXPECT_EQ(delegate->calls, (std::vector<std::string>{"begin", "return"}));
}

TEST_F(TextFields, ReturnAnswersWhatTheDelegateSaysAndInsertsNothing) {
  struct Case {
    const char* name;
    bool withDelegate;
    bool implemented;
    bool answer;
    bool expected;
  };
  for (const Case& test :
       {Case{"no delegate", false, false, false, true}, Case{"not implemented", true, false, false, true},
        Case{"answers yes", true, true, true, true}, Case{"answers no", true, true, false, false}}) {
    const auto delegate = std::make_shared<RecordingDelegate>(
        test.implemented ? std::set<Operation>{Operation::textFieldShouldReturn} : std::set<Operation>{});
    delegate->answer = test.answer;
    const auto field = fieldIn(window, {0, 0, 200, 30}, test.withDelegate ? delegate : nullptr);
    field->setText("value");
    EXPECT_FALSE(field->returnKey()) << test.name << ": before it is first responder";
    ASSERT_TRUE(field->becomeFirstResponder());
    EXPECT_EQ(field->returnKey(), test.expected) << test.name;
    EXPECT_EQ(delegate->calls.size(), test.implemented ? 1u : 0u) << test.name;
    EXPECT_EQ(field->text(), "value") << test.name;
    EXPECT_TRUE(field->isFirstResponder()) << test.name;
    field->removeFromSuperview();
  }
}

TEST_F(TextFields, TheClearButtonShowsByItsModeAndATapOnItEmptiesTheText) {
  struct Case {
    TextField::ViewMode mode;
    bool editing;
    bool shown;
  };
  for (const Case& test :
       {Case{TextField::ViewMode::never, true, false}, Case{TextField::ViewMode::whileEditing, false, false},
        Case{TextField::ViewMode::whileEditing, true, true}, Case{TextField::ViewMode::always, false, true}}) {
    const auto field = fieldIn(window, {0, 0, 200, 30});
    field->setClearButtonMode(test.mode);
    if (test.editing) field->becomeFirstResponder();
    EXPECT_FALSE(field->isClearButtonShown()) << "no text, no button";
    field->setText("x");
    EXPECT_EQ(field->isClearButtonShown(), test.shown) << int(test.mode) << " editing " << test.editing;
    field->removeFromSuperview();
  }

  const auto delegate = std::make_shared<RecordingDelegate>(kEverything);
  const auto field = fieldIn(window, {0, 0, 200, 30}, delegate);
  field->setBorderStyle(TextField::BorderStyle::roundedRect);
  field->setClearButtonMode(TextField::ViewMode::always);
  field->setText("filter");
  const graphics::Rect button = field->clearButtonRect();
  EXPECT_EQ(button, (graphics::Rect{200 - 7 - 19, 5.5, 19, 19}));
  EXPECT_LE(field->textRect().maxX(), button.x());

  delegate->answer = false;
  touches.tap({button.x() + 9, button.y() + 9});
  EXPECT_EQ(field->text(), "filter");
  EXPECT_TRUE(field->isFirstResponder()) << "a tap on the button starts editing";
  delegate->answer = true;
  touches.tap({button.x() + 9, button.y() + 9});
  EXPECT_EQ(field->text(), "");
  EXPECT_EQ(edits, (std::vector<std::string>{""}));
  EXPECT_EQ(delegate->calls, (std::vector<std::string>{"begin", "clear", "clear"}));
  EXPECT_FALSE(field->clearButtonTapped()) << "hidden once the text is empty";
}

TEST_F(TextFields, TheTextStartsAfterAnAlwaysShownLeftView) {
  const auto field = fieldIn(window, {0, 0, 200, 24});
  field->setBorderStyle(TextField::BorderStyle::roundedRect);
  EXPECT_EQ(field->textRect(), (graphics::Rect{7, 0, 186, 24}));
  field->setLeftView(View::make({0, 0, 8, 10}));
  field->setLeftViewMode(TextField::ViewMode::always);
  EXPECT_EQ(field->leftView()->frame(), (graphics::Rect{0, 7, 8, 10}));
  EXPECT_FALSE(field->leftView()->isHidden());
  EXPECT_EQ(field->textRect(), (graphics::Rect{8, 0, 185, 24}));
}

// The bounding box, in pixels, of the opaque pixels that `matches` picks inside `area`; nothing
// when there are none.
std::optional<graphics::Rect> inkOf(const graphics::Image& image, const graphics::Rect& area,
                                    const std::function<bool(graphics::Color)>& matches) {
  double left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = int(area.y()); y < int(area.maxY()); ++y) {
    for (int x = int(area.x()); x < int(area.maxX()); ++x) {
      const auto pixel = image.pixelAt(x, y);
      if (!pixel || pixel->alpha < 200) continue;
      if (!matches({pixel->red / 255.0, pixel->green / 255.0, pixel->blue / 255.0, 1})) continue;
      left = std::min<double>(left, x);
      top = std::min<double>(top, y);
      right = std::max<double>(right, x);
      bottom = std::max<double>(bottom, y);
    }
  }
  if (right < 0) return std::nullopt;
  return graphics::Rect{left, top, right - left + 1, bottom - top + 1};
}

bool isReddish(graphics::Color color) { return color.red > 0.8 && color.green < 0.5 && color.blue < 0.5; }
bool isGrey(graphics::Color color) {
  return color.red < 0.9 && std::abs(color.red - color.green) < 0.05 && std::abs(color.red - color.blue) < 0.08;
}
bool isDark(graphics::Color color) { return color.red < 0.5; }

TEST_F(TextFields, DrawsTheTextOrElseThePlaceholderInsideTheRoundedRectangle) {
  constexpr graphics::Color kRed{1, 0, 0, 1};
  const auto field = fieldIn(window, {0, 0, 120, 30});
  field->setBorderStyle(TextField::BorderStyle::roundedRect);
  field->setFont(graphics::systemFont(14));
  field->setTextColor(kRed);

  // Inside the outline.
  const graphics::Rect inside{2, 2, 116, 26};
  const auto empty = snapshot(*field, 1.0);
  ASSERT_TRUE(empty);
  EXPECT_FALSE(inkOf(*empty, inside, isGrey)) << "filled white, nothing drawn";

  field->setPlaceholder("Search");
  const auto placeholder = snapshot(*field, 1.0);
  ASSERT_TRUE(placeholder);
  EXPECT_FALSE(inkOf(*placeholder, inside, isReddish)) << "the placeholder is not in the text colour";
  EXPECT_TRUE(inkOf(*placeholder, inside, isGrey)) << "the placeholder is drawn, in grey";

  field->setText("Text");
  const auto text = snapshot(*field, 1.0);
  ASSERT_TRUE(text);
  EXPECT_FALSE(inkOf(*text, inside, isGrey)) << "no placeholder under the text";
  const auto ink = inkOf(*text, inside, isReddish);
  ASSERT_TRUE(ink);
  EXPECT_GE(ink->x(), 7);
  EXPECT_NEAR(ink->y() + ink->height() / 2, 15, 3) << "centred vertically";
}

TEST_F(TextFields, ShrinksTextToTheWidthDownToTheMinimumSize) {
  const auto field = fieldIn(window, {0, 0, 80, 30});
  field->setBackgroundColor(graphics::Color{1, 1, 1, 1});
  field->setFont(graphics::systemFont(12));
  field->setText("WWWWWWWWWWWW");
  const graphics::Rect all{0, 0, 80, 30};
  const auto cut = inkOf(*snapshot(*field, 1.0), all, isDark);
  field->setAdjustsFontSizeToFitWidth(true);
  field->setMinimumFontSize(8);
  const auto shrunk = inkOf(*snapshot(*field, 1.0), all, isDark);
  ASSERT_TRUE(cut && shrunk);
  EXPECT_LT(shrunk->height(), cut->height());
}

TEST(TextAfterReplacing, CountsTheRangeInUTF16UnitsAndClampsItToTheText) {
  struct Case {
    std::string text;
    TextRange range;
    std::string replacement;
    std::string result;
  };
  const Case cases[] = {
      {"abc", {3, 0}, "d", "abcd"},
      {"abc", {1, 1}, "", "ac"},
      {"caf\xC3\xA9s", {4, 1}, "!", "caf\xC3\xA9!"},
      {"\xF0\x9F\x98\x80x", {2, 1}, "y", "\xF0\x9F\x98\x80y"},
      {"abc", {1, 10}, "z", "az"},
      {"abc", {10, 2}, "z", "abcz"},
  };
  for (const Case& test : cases) {
    EXPECT_EQ(textAfterReplacing(test.text, test.range, test.replacement), test.result) << test.text;
  }
}

}  // namespace
}  // namespace platform::ui
