#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace platform::ui {
class View;
}

namespace vantile {

// View tag → element view of one location's built tree, so a look-up by tag needs no walk
// through the tree. Filled as the elements are built, emptied with the preset at load and
// rebuild; holds the views weakly, so it never keeps a detached tree alive.
class ElementViewIndex {
 public:
  void record(std::int32_t tag, const std::shared_ptr<platform::ui::View>& view);
  // The view with the tag inside `root`: the recorded one while it still carries the tag there,
  // else the first found by a walk (tags shared by design, such as every week widget's, and views
  // moved since they were built). Tag 0 (no index entry) is no view, never the root's own tag.
  std::shared_ptr<platform::ui::View> find(std::int32_t tag, platform::ui::View& root) const;

 private:
  std::unordered_map<std::int32_t, std::weak_ptr<platform::ui::View>> views_;
};

}  // namespace vantile
