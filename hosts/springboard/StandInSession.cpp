#include "StandInSession.h"

#include <iostream>

#include "DrawerTargets.h"
#include "ScreenOutputs.h"
#include "ThemeSettings.h"
#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "platform/foundation/preferences/PreferenceDomain.h"
#include "platform/ui/controls/AlertController.h"

namespace vantile::springboard {

namespace {

platform::springboard::SwipeDirection standInDirection(hosts::SwipeDirection direction) {
  switch (direction) {
    case hosts::SwipeDirection::up:
      return platform::springboard::SwipeDirection::up;
    case hosts::SwipeDirection::down:
      return platform::springboard::SwipeDirection::down;
    case hosts::SwipeDirection::left:
      return platform::springboard::SwipeDirection::left;
    case hosts::SwipeDirection::right:
      return platform::springboard::SwipeDirection::right;
  }
  return platform::springboard::SwipeDirection::up;
}

void reportEvent(const hosts::ScenarioEvent& event, const std::string& problem) {
  std::cerr << "springboard: scenario event " << event.index << ": " << problem << "\n";
}

}  // namespace

StandInSession::StandInSession(platform::springboard::DeviceState device) : process_(std::move(device)) {}

void StandInSession::launch() { process_.launch(); }

void StandInSession::showFrontScreenAgain() {
  if (process_.shownScreen() == platform::springboard::ShownScreen::lockScreen) {
    process_.sleep();
    process_.wake();
  } else {
    process_.homeButton();
  }
}

void StandInSession::perform(const hosts::ScenarioEvent& event) {
  switch (event.action) {
    case hosts::ScenarioAction::lock:
      process_.lock();
      return;
    case hosts::ScenarioAction::unlock:
      process_.unlock();
      return;
    case hosts::ScenarioAction::wake:
      process_.wake();
      return;
    case hosts::ScenarioAction::sleep:
      process_.sleep();
      return;
    case hosts::ScenarioAction::homeButton:
      process_.homeButton();
      return;
    case hosts::ScenarioAction::powerButton:
      process_.powerButton();
      return;
    case hosts::ScenarioAction::plug:
      process_.plug();
      return;
    case hosts::ScenarioAction::unplug:
      process_.unplug();
      return;
    default:
      performWithPayload(event);
  }
}

void StandInSession::performWithPayload(const hosts::ScenarioEvent& event) {
  if (const auto* change = std::get_if<hosts::DeviceValueChange>(&event.payload)) {
    std::string problem;
    if (!process_.setDeviceValue(change->path, change->value, &problem)) {
      reportEvent(event, "\"" + change->path + "\": " + problem);
    }
  } else if (const auto* setting = std::get_if<hosts::SettingWrite>(&event.payload)) {
    if (!platform::foundation::PreferenceDomain(kSettingsDomain).setValueForKey(setting->key, setting->value)) {
      reportEvent(event, "cannot write the setting \"" + setting->key + "\"");
    }
  } else if (const auto* post = std::get_if<hosts::DarwinPost>(&event.payload)) {
    platform::foundation::DarwinNotificationCenter::shared().post(post->name);
  } else if (const auto* touch = std::get_if<hosts::TouchAt>(&event.payload)) {
    if (event.action == hosts::ScenarioAction::longPress) {
      process_.longPress(touch->point);
    } else {
      process_.tap(touch->point);
    }
  } else if (const auto* swipe = std::get_if<hosts::SwipeFrom>(&event.payload)) {
    process_.swipe(swipe->point, standInDirection(swipe->direction));
  } else if (const auto* rotation = std::get_if<hosts::Rotation>(&event.payload)) {
    process_.rotate(rotation->orientation);
  } else if (const auto* letter = std::get_if<hosts::LetterTap>(&event.payload)) {
    if (const auto point = drawerLetterPoint(*process_.shownWindow(), letter->letter)) {
      process_.tap(*point);
    } else {
      reportEvent(event, "no open app drawer shows the letter \"" + letter->letter + "\"");
    }
  } else if (const auto* app = std::get_if<hosts::AppPress>(&event.payload)) {
    if (const auto point = drawerAppPoint(*process_.shownWindow(), app->bundle)) {
      process_.longPress(*point);
    } else {
      reportEvent(event, "no open app drawer shows the app \"" + app->bundle + "\"");
    }
  } else if (const auto* choice = std::get_if<hosts::ActionChoice>(&event.payload)) {
    const auto alert = platform::ui::AlertController::shownInKeyWindow();
    if (!alert || !alert->chooseAction(choice->title)) {
      reportEvent(event, "no alert or sheet shown offers \"" + choice->title + "\"");
    }
  } else if (const auto* snapshot = std::get_if<hosts::Snapshot>(&event.payload)) {
    ScreenOutputs({snapshot->lockPng, snapshot->homePng, snapshot->dump}).write(lockScreen(), homeScreen(), springBoardState());
  }
}

}  // namespace vantile::springboard

namespace vantile::springboard {

platform::Value StandInSession::springBoardState() const {
  using platform::springboard::ShownScreen;
  const auto shown = process_.shownScreen();
  platform::Value state = {
      {"shown", shown == ShownScreen::lockScreen ? "lockscreen" : shown == ShownScreen::homeScreen ? "homescreen" : "application"},
      {"locked", platform::springboard::DeviceModel::shared().state().locked},
      {"flashlight", platform::springboard::DeviceModel::shared().state().flashlight}};
  if (const auto& front = process_.frontApplication()) state["frontApplication"] = *front;
  return state;
}

}  // namespace vantile::springboard
