#pragma once

#include <memory>

#include "integration/IntegrationHooks.h"
#include "platform/ui/views/View.h"
#include "platform/ui/views/ViewController.h"

// The lock screen's HTML widget: a remote view of the web widget service under the theme,
// told which page to show and fed the data snapshots as scripts.
namespace vantile::integration {

inline constexpr const char* kWebServiceIdentifier = "com.kestrune.webservices";
inline constexpr const char* kWebServiceControllerName = "KWVRootViewController";

void loadWKService(const std::shared_ptr<platform::ui::View>& hostView);
void loadNewURL();
void updateWebViews();

// The page path of a widget folder name; the name stays as written (the service encodes it
// when it builds the address).
std::string widgetPagePath(const std::string& widgetName);

// The first view controller up the responder chain from the view's next responder.
std::shared_ptr<platform::ui::ViewController> firstAvailableUIViewController(const platform::ui::View& view);

// Points the integration's web widget hooks here.
void installWebWidgetHost(IntegrationHooks& hooks);

}  // namespace vantile::integration
