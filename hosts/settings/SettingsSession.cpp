#include "SettingsSession.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "hosts/common/OutputFiles.h"
#include "hosts/common/ViewTreeDump.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/preferences/ListController.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/controls/ColorPickerViewController.h"
#include "platform/ui/controls/ImagePickerController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/FirstResponder.h"
#include "platform/ui/input/Keyboard.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/views/Screen.h"

namespace vantile::settings_host {

namespace {

// As long as a finger rests for the platform's long press, with room to spare.
constexpr double kLongPressSeconds = 1.0;
// How far apart the two fingers of a pinch start.
constexpr double kPinchStartDistance = 100;
constexpr int kPinchSteps = 10;

void reportEvent(const hosts::ScenarioEvent& event, const std::string& problem) {
  std::cerr << "settings: scenario event " << event.index << ": " << problem << "\n";
}

}  // namespace

SettingsSession::SettingsSession(std::shared_ptr<platform::ui::ViewController> rootPane)
    : window_(platform::ui::Window::make(platform::ui::Screen::mainScreen().bounds())),
      navigation_(platform::ui::NavigationController::make(std::move(rootPane))) {
  window_->setRootViewController(navigation_);
  window_->makeKeyAndVisible();
  window_->layoutIfNeeded();
}

void SettingsSession::perform(const hosts::ScenarioEvent& event) {
  using hosts::ScenarioAction;
  switch (event.action) {
    case ScenarioAction::returnKey:
      // A field's delegate answering "no" to the key (as the editor's style fields do) has still
      // taken it; only a key that reaches no field is worth a line.
      if (!platform::ui::FirstResponder::ofKeyWindow()) {
        reportEvent(event, "no text field takes the return key");
      } else {
        platform::ui::Keyboard::shared().pressReturn();
      }
      break;
    default:
      performWithPayload(event);
  }
  window_->layoutIfNeeded();
}

void SettingsSession::performWithPayload(const hosts::ScenarioEvent& event) {
  platform::ui::TouchInjector touches(window_);
  if (const auto* opening = std::get_if<hosts::PaneOpening>(&event.payload)) {
    openPane(event, opening->titles);
  } else if (const auto* touch = std::get_if<hosts::TouchAt>(&event.payload)) {
    if (event.action == hosts::ScenarioAction::longPress) {
      touches.press(touch->point, kLongPressSeconds);
    } else {
      touches.tap(touch->point);
    }
  } else if (const auto* pan = std::get_if<hosts::Pan>(&event.payload)) {
    const int steps =
        std::max(1, static_cast<int>(std::lround(pan->seconds / platform::ui::TouchInjector::moveInterval)));
    touches.drag(pan->from, pan->to, steps);
  } else if (const auto* pinch = std::get_if<hosts::Pinch>(&event.payload)) {
    touches.pinch(pinch->center, kPinchStartDistance, kPinchStartDistance * pinch->scale, kPinchSteps);
  } else if (const auto* typing = std::get_if<hosts::TextInput>(&event.payload)) {
    if (!platform::ui::Keyboard::shared().type(typing->text)) {
      reportEvent(event, "no text field is being edited");
    }
  } else if (const auto* answer = std::get_if<hosts::AlertAnswer>(&event.payload)) {
    answerAlert(event, *answer);
  } else if (const auto* photo = std::get_if<hosts::PhotoPick>(&event.payload)) {
    pickPhoto(event, photo->file);
  } else if (const auto* color = std::get_if<hosts::ColorPick>(&event.payload)) {
    pickColor(event, color->color);
  } else if (const auto* keyboard = std::get_if<hosts::KeyboardChange>(&event.payload)) {
    if (!keyboard->show) {
      platform::ui::Keyboard::shared().hide();
    } else if (keyboard->height) {
      platform::ui::Keyboard::shared().show(*keyboard->height);
    } else {
      platform::ui::Keyboard::shared().show();
    }
  } else if (const auto* snapshot = std::get_if<hosts::WindowSnapshot>(&event.payload)) {
    writeOutputs(snapshot->png, snapshot->dump);
  }
}

void SettingsSession::openPane(const hosts::ScenarioEvent& event, const std::vector<std::string>& titles) {
  for (const std::string& title : titles) {
    const auto pane =
        std::dynamic_pointer_cast<platform::preferences::ListController>(navigation_->topViewController());
    if (!pane || !pane->selectRowWithLabel(title)) {
      reportEvent(event, "the pane shown has no row \"" + title + "\"");
      return;
    }
    window_->layoutIfNeeded();
  }
}

void SettingsSession::answerAlert(const hosts::ScenarioEvent& event, const hosts::AlertAnswer& answer) {
  const auto alert = platform::ui::AlertController::shownInKeyWindow();
  if (!alert) {
    reportEvent(event, "no alert or sheet is shown");
    return;
  }
  const auto& fields = alert->textFields();
  if (answer.texts.size() > fields.size()) {
    reportEvent(event, "the alert shown has " + std::to_string(fields.size()) + " text fields, not " +
                           std::to_string(answer.texts.size()));
    return;
  }
  for (std::size_t index = 0; index < answer.texts.size(); ++index) {
    fields[index]->setText(answer.texts[index]);
  }
  if (!alert->chooseAction(answer.title)) {
    reportEvent(event, "the alert shown offers no \"" + answer.title + "\"");
  }
}

void SettingsSession::pickPhoto(const hosts::ScenarioEvent& event, const std::filesystem::path& file) {
  const auto picker = platform::ui::ImagePickerController::shownInKeyWindow();
  if (!picker) {
    reportEvent(event, "no photo picker is shown");
    return;
  }
  const auto picture = platform::graphics::decodeImageFile(file);
  if (!picture) {
    reportEvent(event, "the picture " + file.string() + " cannot be read");
    return;
  }
  picker->pickImage(*picture);
}

void SettingsSession::pickColor(const hosts::ScenarioEvent& event, platform::graphics::Color color) {
  const auto picker = platform::ui::ColorPickerViewController::shownInKeyWindow();
  if (!picker) {
    reportEvent(event, "no colour picker is shown");
    return;
  }
  picker->pickColor(color);
  picker->finish();
}

bool SettingsSession::writeOutputs(const std::optional<std::filesystem::path>& png,
                                   const std::optional<std::filesystem::path>& dump) const {
  window_->layoutIfNeeded();
  bool written = true;
  if (png && !hosts::PictureFile(*png).write(*window_)) {
    platform::foundation::systemLog("settings: cannot write the picture " + png->string());
    written = false;
  }
  if (dump && !hosts::TextFile(*dump).write(hosts::dumpText(hosts::dumpViewTree(*window_)))) {
    platform::foundation::systemLog("settings: cannot write the dump " + dump->string());
    written = false;
  }
  return written;
}

}  // namespace vantile::settings_host
