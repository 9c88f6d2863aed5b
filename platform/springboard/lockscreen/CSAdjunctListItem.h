#pragma once

#include <string>
#include <utility>

#include "platform/objc/SharedObject.h"

namespace platform::springboard {

// An item of the cover sheet's lists (now playing, the timer): SpringBoard tells kinds apart by
// its identifier and its grouping identifier.
class CSAdjunctListItem : public objc::SharedObject {
 public:
  static constexpr const char* nowPlayingIdentifier = "SBDashBoardNowPlayingAssertionIdentifier";
  static constexpr const char* nowPlayingGrouping = "com.apple.MediaRemoteUI";

  CSAdjunctListItem(std::string identifier, std::string groupingIdentifier)
      : SharedObject("CSAdjunctListItem"),
        identifier(std::move(identifier)),
        groupingIdentifier(std::move(groupingIdentifier)) {}

  const std::string identifier;
  const std::string groupingIdentifier;

  static void declareClass(objc::Class& cls);
};

}  // namespace platform::springboard
