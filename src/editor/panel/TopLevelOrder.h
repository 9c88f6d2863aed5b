#pragma once

#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile {

// The document's root element ("PresetView"); an empty dictionary when it has none.
const platform::Value& documentRoot(const platform::Value& document);

// The top level's layer order to offer for reordering: the root's "order" array when it has one,
// else its children's names in the dictionary's own order. Entries that are no names are left out.
std::vector<std::string> topLevelReorderList(const platform::Value& root);

// Stores a saved list as the document's root "order". An empty list (the panel closed without
// saving) and a document without a root change nothing; false then.
bool storeTopLevelOrder(platform::Value& document, const std::vector<std::string>& list);

}  // namespace vantile
