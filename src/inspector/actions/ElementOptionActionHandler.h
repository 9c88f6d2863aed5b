#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inspector/builder/ElementOptionsBuilderDelegate.h"
#include "platform/foundation/values/Value.h"

namespace platform::ui {
class GestureRecognizer;
}  // namespace platform::ui

namespace vantile {

// The inspector's structural edits of the theme tree. Owns no theme data: each edit reads the
// delegate's theme, hands back an edited copy and has the delegate clear its selection and rebuild.
// Pickers answer it through a weak reference, so it is made shared.
class ElementOptionActionHandler : public std::enable_shared_from_this<ElementOptionActionHandler> {
 public:
  explicit ElementOptionActionHandler(std::weak_ptr<ElementOptionsBuilderDelegate> delegate);

  // Adds a copy of the source element, under the new name, beside the source. Copied children
  // take fresh names and their "childorder" texts follow. A source not in the theme changes nothing.
  void addDuplicatedItemWithName(const std::string& newName, const std::string& copiedFromName);

  // A copy of the element whose children, at every depth, take names free in the theme (and
  // other than `newName`, the copy's own name).
  platform::Value renameChildrenIfDuplicate(const platform::Value& element, const std::string& newName) const;
  // Records the name and every descendant with the next counts of the canvas, a container's name
  // once more before its own children.
  void updateTagsForDuplicatedElement(const std::string& name, const platform::Value& children) const;
  // A top-level element's children with their containers' "childorder" rebuilt by the canvas.
  void fixChildOrderForElementName(const std::string& name) const;
  // Appends the name to the parent's "childorder"; a parent without one ("none" or absent) first
  // lists its children, so that they stay drawn. The root's order is the canvas's.
  void addItemToUIViewOrderWithName(const std::string& name, const std::string& parent) const;

  // Tap targets of the inspector rows; each acts on the delegate's selected element.
  // "Select UIView": the picked container receives the element.
  void addToUIView(platform::ui::GestureRecognizer& recognizer);
  // The element leaves its container for the top level, its frame unchanged.
  void moveFromUIView(platform::ui::GestureRecognizer& recognizer);
  // "Select UIView": the element leaves its container for the picked one, its frame unchanged.
  void moveToUIView(platform::ui::GestureRecognizer& recognizer);
  // "Select View to Add": the picked element goes into the selected scroll view.
  void addToScrollview(platform::ui::GestureRecognizer& recognizer);
  // "Select Element to Remove": the picked child of the selected scroll view goes to the top level.
  void removeFromScrollview(platform::ui::GestureRecognizer& recognizer);

  // Picker results. An element is taken from wherever it stands. A move into the element itself,
  // into one of its descendants or into the container that already holds it is refused with a
  // log line and changes nothing.
  void addElementToUIView(const std::string& containerName);
  // The selected element leaves its container, which is written back in place; false, with
  // nothing changed, for a top-level element.
  bool removeFromCurrentUIView();
  void addToNewUIView(const std::string& containerName, const platform::Value& backupDict);
  void addItemToScrollView(const std::string& name);
  // Refused when the scroll view does not hold the element: re-adding it at the top level would
  // leave its name twice in the theme.
  void removeItemFromScrollView(const std::string& name, const std::string& scrollViewName);

  // Inner steps.
  // The container's description with a copy of the selected element among its children.
  std::optional<platform::Value> addToElementUIViewChildren(const std::string& containerName) const;
  // The selected scroll view's description with a copy of the named element among its children.
  std::optional<platform::Value> addToElementScrollViewChildren(const std::string& name) const;
  std::optional<std::vector<std::string>> getElementHierarchy(std::string_view name) const;
  // Places the element at the top left of the selected scroll view ("center" stays centred).
  void updateItemPositionInScrollView(const std::string& name);
  bool checkIfElementInScrollView(std::string_view name) const;
  bool checkIfElementInUIView(std::string_view name) const;
  // The theme without the element in its parent's children, the parent written back in place.
  platform::Value removeElementFromScrollView(const std::string& name, const platform::Value& dict) const;
  platform::Value removeElementFromUIView(const std::string& name, const platform::Value& dict) const;

 private:
  // The delegate when it answers every operation the duplicate uses.
  std::shared_ptr<ElementOptionsBuilderDelegate> duplicateDelegate() const;
  // The delegate when it answers every operation the container edits use.
  std::shared_ptr<ElementOptionsBuilderDelegate> treeEditDelegate() const;
  // The move picker's choice: refused moves change nothing.
  void moveSelectedElementTo(const std::string& containerName);
  bool parentHasType(std::string_view name, std::string_view type) const;
  // Stores the element placed at the top left of the container.
  void placeInContainer(const std::string& name, const std::string& containerName);
  using PickedName = std::function<void(ElementOptionActionHandler& handler, const std::string& name)>;
  // Replaces the open picker; the pick reaches this handler while it lives.
  void openPicker(const std::string& title, std::vector<std::string> names, std::vector<std::string> blacklist,
                  PickedName picked);
  void closePicker() const;
  // Removes the panel, clears the selection and rebuilds the canvas and the list.
  void finishEdit(ElementOptionsBuilderDelegate& delegate, bool hidesHint) const;

  std::weak_ptr<ElementOptionsBuilderDelegate> delegate_;
};

}  // namespace vantile
