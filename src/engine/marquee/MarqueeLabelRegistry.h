#pragma once

#include <memory>
#include <vector>

namespace vantile {

class MarqueeLabel;

// Every live scrolling label of the process, for the controller-wide requests.
namespace marquee {

void registerLabel(const std::shared_ptr<MarqueeLabel>& label);
// The labels still alive, in the order they were made.
std::vector<std::shared_ptr<MarqueeLabel>> liveLabels();

}  // namespace marquee

}  // namespace vantile
