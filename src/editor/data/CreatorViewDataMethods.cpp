// The data keys that pickers and the value editor offer.
#include <algorithm>

#include "editor/CreatorView.h"
#include "editor/data/CreatorData.h"
#include "platform/foundation/locale/LocalizedText.h"

namespace vantile {

std::vector<std::string> CreatorView::getCreatorDataMethods() {
  std::vector<std::string> keys = CreatorData::dataKeys();
  std::stable_sort(keys.begin(), keys.end(), [](const std::string& left, const std::string& right) {
    return platform::foundation::localizedCaseInsensitiveCompare(left, right) < 0;
  });
  return keys;
}

}  // namespace vantile
