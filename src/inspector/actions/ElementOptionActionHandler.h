#pragma once

#include <memory>
#include <string>

#include "inspector/builder/ElementOptionsBuilderDelegate.h"
#include "platform/foundation/values/Value.h"

namespace platform::ui {
class GestureRecognizer;
}  // namespace platform::ui

namespace vantile {

// The inspector's structural edits of the theme tree. Owns no theme data: each edit reads the
// delegate's theme, hands back an edited copy and has the delegate clear its selection and rebuild.
class ElementOptionActionHandler {
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

  // Taps of the inspector's container and scroll-view rows.
  void addToUIView(platform::ui::GestureRecognizer& tap);
  void moveFromUIView(platform::ui::GestureRecognizer& tap);
  void moveToUIView(platform::ui::GestureRecognizer& tap);
  void addToScrollview(platform::ui::GestureRecognizer& tap);
  void removeFromScrollview(platform::ui::GestureRecognizer& tap);

 private:
  // The delegate when it answers every operation the duplicate uses.
  std::shared_ptr<ElementOptionsBuilderDelegate> duplicateDelegate() const;

  std::weak_ptr<ElementOptionsBuilderDelegate> delegate_;
};

}  // namespace vantile
