#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/objc/Object.h"

// The signatures the remote-view classes are sent with.
namespace platform::web::signatures {

using Object = std::shared_ptr<objc::Object>;

// Handed the remote view controller, or nothing and why.
using ConnectionHandler = std::function<void(Object viewController, std::optional<std::string> error)>;
// +requestViewController:fromServiceWithBundleIdentifier:connectionHandler: (the class name of
// the service's controller, the service's bundle identifier); answers no cancellation token.
using RequestViewController = Object(std::string viewControllerClassName, std::string serviceBundleIdentifier,
                                     ConnectionHandler handler);
// -_didMoveFromWindow:toWindow: (windows that are no runtime objects come as null)
using WindowMove = void(Object fromWindow, Object toWindow);
// -serviceViewControllerProxy, -view, +exportedInterface, +serviceViewControllerInterface
using Getter = Object();
// +_shouldUseXPCObjects
using Answer = bool();
// -setWebViewURL:, -callJavascript: of a service proxy
using TextMessage = void(std::string);

}  // namespace platform::web::signatures
