#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "SettingsSession.h"
#include "platform/foundation/files/Files.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/controls/ColorPickerViewController.h"
#include "platform/ui/controls/ImagePickerController.h"
#include "platform/ui/gestures/PanGestureRecognizer.h"
#include "platform/ui/gestures/PinchGestureRecognizer.h"
#include "platform/ui/input/Keyboard.h"
#include "platform/ui/input/TextField.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::settings_host {
namespace {

using platform::ui::Keyboard;

class KeepingImageDelegate : public platform::ui::ImagePickerDelegate {
 public:
  bool implements(Operation) const override { return true; }
  void imagePickerController(platform::ui::ImagePickerController&, const platform::graphics::Image& image) override {
    pickedWidth = image.width();
  }
  int pickedWidth = 0;
};

class KeepingColorDelegate : public platform::ui::ColorPickerDelegate {
 public:
  bool implements(Operation) const override { return true; }
  void colorPickerViewControllerDidSelectColor(platform::ui::ColorPickerViewController& picker) override {
    picked = picker.selectedColor();
  }
  void colorPickerViewControllerDidFinish(platform::ui::ColorPickerViewController&) override { finished = true; }
  std::optional<platform::graphics::Color> picked;
  bool finished = false;
};

class SettingsSessionEvents : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;
  vantile::testing::TemporaryDeviceRoot root;

  void TearDown() override {
    Keyboard::shared().show(Keyboard::defaultHeight);
    Keyboard::shared().hide();
  }

  void perform(hosts::ScenarioAction action, hosts::ScenarioPayload payload = {}) {
    session.perform(hosts::ScenarioEvent{0, action, std::move(payload), 7});
  }

  // What the session reported for the events, its own lines only.
  std::string reportsOf(const std::function<void()>& events) {
    ::testing::internal::CaptureStderr();
    events();
    std::string reports;
    std::istringstream lines(::testing::internal::GetCapturedStderr());
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("settings: ")) reports += line + "\n";
    }
    return reports;
  }

  // As the panes present: from the key window's root controller.
  const std::shared_ptr<platform::ui::ViewController>& presenter() const {
    return session.window().rootViewController();
  }

  std::shared_ptr<platform::ui::ViewController> pane = platform::ui::ViewController::make();
  SettingsSession session{pane};
};

TEST_F(SettingsSessionEvents, TypingReturnAndTheKeyboardReachTheFieldBeingEdited) {
  auto field = platform::ui::TextField::make({20, 100, 200, 30});
  pane->view()->addSubview(field);
  ASSERT_TRUE(field->becomeFirstResponder());

  perform(hosts::ScenarioAction::type, hosts::TextInput{"Night sky"});
  perform(hosts::ScenarioAction::returnKey);
  EXPECT_EQ(field->text(), "Night sky");
  perform(hosts::ScenarioAction::keyboard, hosts::KeyboardChange{true, 320});
  EXPECT_TRUE(Keyboard::shared().isVisible());
  EXPECT_EQ(Keyboard::shared().height(), 320);
  perform(hosts::ScenarioAction::keyboard, hosts::KeyboardChange{false, std::nullopt});
  EXPECT_FALSE(Keyboard::shared().isVisible());

  field->resignFirstResponder();
  EXPECT_EQ(reportsOf([&] { perform(hosts::ScenarioAction::type, hosts::TextInput{"x"}); }),
            "settings: scenario event 7: no text field is being edited\n");
}

// Answers "no" to the return key, as the editor's fields do once they have committed.
class DecliningReturnDelegate : public platform::ui::TextFieldDelegate {
 public:
  bool implements(Operation operation) const override { return operation == Operation::textFieldShouldReturn; }
  bool textFieldShouldReturn(platform::ui::TextField&) override {
    ++returns;
    return false;
  }
  int returns = 0;
};

TEST_F(SettingsSessionEvents, AReturnKeyThatTheFieldsDelegateDeclinesStillReachedTheFieldAndIsNotReported) {
  auto field = platform::ui::TextField::make({20, 100, 200, 30});
  const auto delegate = std::make_shared<DecliningReturnDelegate>();
  field->setDelegate(delegate);
  pane->view()->addSubview(field);
  ASSERT_TRUE(field->becomeFirstResponder());

  EXPECT_EQ(reportsOf([&] { perform(hosts::ScenarioAction::returnKey); }), "");
  EXPECT_EQ(delegate->returns, 1);
}

TEST_F(SettingsSessionEvents, AnAlertAnswerFillsItsTextFieldsInOrderThenChoosesTheAction) {
  auto alert =
      platform::ui::AlertController::make("Vantile", "Input a theme name", platform::ui::AlertController::Style::alert);
  const std::vector<std::shared_ptr<platform::ui::TextField>> fields{alert->addTextField(), alert->addTextField()};
  std::vector<std::string> saved;
  alert->addAction({"Save", platform::ui::AlertAction::Style::normal, [&] {
                      for (const auto& field : fields) saved.push_back(field->text());
                    }});
  presenter()->presentViewController(alert, false);

  EXPECT_EQ(reportsOf([&] {
              perform(hosts::ScenarioAction::alert, hosts::AlertAnswer{"Save", {"a", "b", "c"}});
            }),
            "settings: scenario event 7: the alert shown has 2 text fields, not 3\n");
  EXPECT_TRUE(saved.empty());
  EXPECT_EQ(reportsOf([&] {
              perform(hosts::ScenarioAction::alert, hosts::AlertAnswer{"Delete", {}});
            }),
            "settings: scenario event 7: the alert shown offers no \"Delete\"\n");

  perform(hosts::ScenarioAction::alert, hosts::AlertAnswer{"Save", {"Night"}});
  EXPECT_EQ(saved, (std::vector<std::string>{"Night", ""}));
  EXPECT_EQ(platform::ui::AlertController::shownInKeyWindow(), nullptr);
}

TEST_F(SettingsSessionEvents, ThePickersShownGetThePictureFileAndTheColour) {
  const auto photo = root.path() / "photo.png";
  ASSERT_TRUE(platform::foundation::writeFileAtomically(
      photo, platform::graphics::encodePNG(*platform::graphics::Image::blank(4, 3)).value_or("")));
  auto imagePicker = platform::ui::ImagePickerController::make();
  auto imageDelegate = std::make_shared<KeepingImageDelegate>();
  imagePicker->setDelegate(imageDelegate);
  presenter()->presentViewController(imagePicker, false);

  EXPECT_EQ(reportsOf([&] { perform(hosts::ScenarioAction::pickPhoto, hosts::PhotoPick{root.path() / "none.png"}); }),
            "settings: scenario event 7: the picture " + (root.path() / "none.png").string() + " cannot be read\n");
  perform(hosts::ScenarioAction::pickPhoto, hosts::PhotoPick{photo});
  EXPECT_EQ(imageDelegate->pickedWidth, 4);
  EXPECT_EQ(reportsOf([&] {
              perform(hosts::ScenarioAction::pickColor, hosts::ColorPick{{1, 0, 0, 1}});
            }),
            "settings: scenario event 7: no colour picker is shown\n");
  presenter()->dismissViewController(false);

  auto colorPicker = platform::ui::ColorPickerViewController::make();
  auto colorDelegate = std::make_shared<KeepingColorDelegate>();
  colorPicker->setDelegate(colorDelegate);
  presenter()->presentViewController(colorPicker, false);
  perform(hosts::ScenarioAction::pickColor, hosts::ColorPick{{1, 0.5, 0, 1}});
  EXPECT_EQ(colorDelegate->picked, (platform::graphics::Color{1, 0.5, 0, 1}));
  EXPECT_TRUE(colorDelegate->finished);
}

TEST_F(SettingsSessionEvents, PanAndPinchMoveAndSpreadTheFingersAsAsked) {
  std::optional<platform::graphics::Point> moved;
  std::optional<double> spread;
  const auto view = pane->view();
  view->addGestureRecognizer(platform::ui::PanGestureRecognizer::make([&](platform::ui::GestureRecognizer& recognizer) {
    moved = static_cast<platform::ui::PanGestureRecognizer&>(recognizer).translationInView(view.get());
  }));
  view->addGestureRecognizer(
      platform::ui::PinchGestureRecognizer::make([&](platform::ui::GestureRecognizer& recognizer) {
        spread = static_cast<platform::ui::PinchGestureRecognizer&>(recognizer).scale();
      }));

  perform(hosts::ScenarioAction::pan, hosts::Pan{{100, 300}, {180, 340}, 0.5});
  ASSERT_TRUE(moved);
  EXPECT_NEAR(moved->x, 80, 0.01);
  EXPECT_NEAR(moved->y, 40, 0.01);
  perform(hosts::ScenarioAction::pinch, hosts::Pinch{{187, 400}, 1.5});
  ASSERT_TRUE(spread);
  EXPECT_NEAR(*spread, 1.5, 0.01);
}

}  // namespace
}  // namespace vantile::settings_host
