#pragma once

#include <memory>

#include "platform/ui/views/ViewController.h"

namespace platform::ui {

// The controller shown in front in the key window: the last of the presentations made by the
// root controller or by any controller it contains (a pane inside a navigation stack presents
// for itself), followed through what that one presents. Nothing without a key window.
std::shared_ptr<ViewController> frontmostPresentedController();

}  // namespace platform::ui
