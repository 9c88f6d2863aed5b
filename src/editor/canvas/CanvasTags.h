#pragma once

#include <cstdint>
#include <set>

namespace vantile {

// The tag after `counter` for the next element view, stepping over the tags that element views
// give their own inner views (a view found by such a tag could be another element's inner view):
// the builders' fixed inner tags and a glass view's tag + 1000.
std::int32_t nextCanvasTag(std::int32_t counter, const std::set<std::int32_t>& glassViewTags);

}  // namespace vantile
