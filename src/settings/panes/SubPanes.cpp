#include "settings/panes/SubPanes.h"

#include "platform/foundation/notifications/DarwinNotificationCenter.h"
#include "settings/panes/FolderLists.h"

namespace vantile::settings {

NotifyingPane::NotifyingPane(ConstructionKey key, std::string rowFileName,
                             std::optional<std::string> returnNotification)
    : VantilePane(key, std::move(rowFileName)), returnNotification_(std::move(returnNotification)) {}

void NotifyingPane::_returnKeyPressed() {
  ListController::_returnKeyPressed();
  if (returnNotification_) platform::foundation::DarwinNotificationCenter::shared().post(*returnNotification_);
}

LSHTML::LSHTML(ConstructionKey key) : NotifyingPane(key, "LSHTML", "com.kestrune.vantile/preferences.changed") {
  setListSource("VantileLSHTMLTitles", VantileLSHTMLTitles);
  setListSource("VantileLSHTMLValues", VantileLSHTMLValues);
}

std::vector<std::string> LSHTML::getLSHTMLValues() { return getHTML(); }
std::vector<std::string> LSHTML::VantileLSHTMLTitles() { return getHTML(); }
std::vector<std::string> LSHTML::VantileLSHTMLValues() { return getLSHTMLValues(); }

}  // namespace vantile::settings
