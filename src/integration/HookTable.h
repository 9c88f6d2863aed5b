#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "integration/TweakState.h"
#include "platform/objc/MessageHook.h"
#include "platform/objc/Runtime.h"

namespace vantile::integration {

// One replaced operation: which class and selector, and how to install its replacement into
// its slot. A class operation is replaced on the metaclass.
struct HookRow {
  std::string_view className;
  std::string_view selector;
  bool classOperation = false;
  std::function<bool(platform::objc::Class& target, std::string_view selector)> install;
};

template <class R, class... Args>
HookRow row(std::string_view className, std::string_view selector, R (*replacement)(platform::objc::Object&, Args...),
            Slot<R(Args...)> KeptImplementations::*slot, bool classOperation = false) {
  return HookRow{className, selector, classOperation,
                 [replacement, slot](platform::objc::Class& target, std::string_view name) {
                   return platform::objc::MSHookMessageEx<R(Args...)>(target, name, replacement,
                                                                      &(tweakState().kept.*slot));
                 }};
}

// The groups, each in the order of installation.
std::span<const HookRow> remoteViewRows();
std::span<const HookRow> splitViewRows();
std::span<const HookRow> themeGroupRows();
std::span<const HookRow> lockScreenHidingRows();
std::span<const HookRow> homeScreenHidingRows();
std::span<const HookRow> iconLayoutRows();

// Installs the rows whose class exists; answers how many were installed.
int installRows(std::span<const HookRow> rows);

}  // namespace vantile::integration
