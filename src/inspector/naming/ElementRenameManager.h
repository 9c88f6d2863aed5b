#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "inspector/naming/ElementRenameManagerDelegate.h"
#include "platform/foundation/values/Value.h"

namespace vantile {

// Gives an existing element a new name under the element name rules: asks for it, checks it,
// rewrites a copy of the delegate's theme and hands that back. Keeps no theme of its own.
class ElementRenameManager {
 public:
  // Whether a "children" dictionary belongs to the root (its order is the "order" array) or to
  // a nested container (its order is the "childorder" text).
  enum class ChildrenOwner { root, container };

  static ElementRenameManager& sharedInstance();

  std::shared_ptr<ElementRenameManagerDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(const std::shared_ptr<ElementRenameManagerDelegate>& delegate) { delegate_ = delegate; }

  // The "Rename Element" alert for the element; nothing without a delegate.
  void showRenameAlertForElement(const std::string& name);
  // True when the delegate holds the renamed theme; false, with the theme unchanged and no alert,
  // when a name is refused or the old name is not in the theme.
  bool renameElement(const std::string& oldName, const std::string& newName);
  // A renamed copy of the theme: the element's key, the order lists naming it and every reference
  // to it elsewhere; nothing when the theme has no root children or no such element.
  static std::optional<platform::Value> performRename(const std::string& oldName, const std::string& newName,
                                                      const platform::Value& preset);
  // Renames the element in the owner's "children" or below them; true when it was found there.
  static bool renameElementInChildren(platform::Value& owner, const std::string& oldName,
                                      const std::string& newName, ChildrenOwner kind);
  bool validateElementName(std::string_view name) const;
  // Every element name of the delegate's theme equal to the name.
  std::vector<std::string> getConflictingNames(std::string_view name) const;
  static void findConflictsForName(std::string_view name, const platform::Value& children,
                                   std::vector<std::string>& conflicts);
  static std::string sanitizeElementName(std::string_view typed);
  // An alert with one "OK" button on the delegate's top view controller.
  void showErrorAlert(const std::string& title, const std::string& message) const;

 private:
  // The alert's "Rename".
  void renameWithTypedName(const std::string& name, const std::string& typed);
  bool delegateImplements(ElementRenameManagerDelegate::Operation operation) const;

  std::weak_ptr<ElementRenameManagerDelegate> delegate_;
};

}  // namespace vantile
