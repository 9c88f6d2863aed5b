#include "inspector/actions/ElementOptionActionHandler.h"

#include <algorithm>
#include <vector>

#include "inspector/actions/DuplicateChildNames.h"
#include "platform/foundation/files/SystemLog.h"

namespace vantile {

namespace {

using platform::Value;
using Operation = ElementOptionsBuilderDelegate::Operation;

constexpr const char* kRootName = "PresetView";
constexpr const char* kLocation = "creator";

const Value* nonEmptyChildren(const Value& element) {
  if (!element.is_object()) return nullptr;
  const auto children = element.find("children");
  if (children == element.end() || !children->is_object() || children->empty()) return nullptr;
  return &*children;
}

}  // namespace

ElementOptionActionHandler::ElementOptionActionHandler(std::weak_ptr<ElementOptionsBuilderDelegate> delegate)
    : delegate_(std::move(delegate)) {}

std::shared_ptr<ElementOptionsBuilderDelegate> ElementOptionActionHandler::duplicateDelegate() const {
  auto delegate = delegate_.lock();
  if (!delegate) return nullptr;
  constexpr Operation needed[] = {
      Operation::creatorPreset,         Operation::setCreatorPreset,   Operation::dictHelpers,
      Operation::makeNewName,           Operation::globalCounter,      Operation::updateReferenceToView,
      Operation::setElementStyle,       Operation::resetChildOrderForElementDict,
      Operation::setSelectedElement,    Operation::reloadTheme,        Operation::reloadScrollview,
  };
  const bool answersAll =
      std::all_of(std::begin(needed), std::end(needed), [&](Operation operation) { return delegate->implements(operation); });
  if (!answersAll) {
    platform::foundation::systemLog("The editor cannot duplicate: its delegate lacks an operation.");
    return nullptr;
  }
  return delegate;
}

void ElementOptionActionHandler::addDuplicatedItemWithName(const std::string& newName,
                                                           const std::string& copiedFromName) {
  const auto delegate = duplicateDelegate();
  if (!delegate) return;
  const std::optional<std::string> parent = delegate->getParentName(copiedFromName);
  const std::optional<Value> source = delegate->findElementInDictionary(copiedFromName);
  if (!parent || !source || !source->is_object()) {
    platform::foundation::systemLog("Could not duplicate " + copiedFromName + ": it is not in the theme");
    return;
  }
  addItemToUIViewOrderWithName(newName, *parent);
  const Value copy = renameChildrenIfDuplicate(*source, newName);
  delegate->setCreatorPreset(delegate->addToElementChildren(*parent, copy, newName));
  const Value* children = nonEmptyChildren(copy);
  updateTagsForDuplicatedElement(newName, children ? *children : Value::object());
  // The copy's "childorder" already names the new children, in the source's order.
  if (children) fixChildOrderForElementName(newName);
  delegate->setSelectedElement("none");
  delegate->reloadTheme();
  delegate->reloadScrollview();
}

Value ElementOptionActionHandler::renameChildrenIfDuplicate(const Value& element, const std::string& newName) const {
  const auto delegate = delegate_.lock();
  if (!delegate) return element;
  std::vector<std::string> taken = delegate->elementNames();
  taken.push_back(newName);
  return DuplicateChildNames::withFreshChildNames(
      element, taken, [&delegate](const std::string& name, const std::vector<std::string>& names) {
        return delegate->makeNewName(name, names, 1);
      });
}

void ElementOptionActionHandler::updateTagsForDuplicatedElement(const std::string& name, const Value& children) const {
  const auto delegate = delegate_.lock();
  if (!delegate) return;
  const auto recordNext = [&delegate](const std::string& recorded) {
    const std::int32_t count = delegate->globalCounter() + 1;
    delegate->setGlobalCounter(count);
    delegate->updateReferenceToView(recorded, count, kLocation);
  };
  recordNext(name);
  if (!children.is_object()) return;
  for (const auto& [child, description] : children.items()) {
    recordNext(child);
    if (const Value* grandchildren = nonEmptyChildren(description)) {
      updateTagsForDuplicatedElement(child, *grandchildren);
    }
  }
}

void ElementOptionActionHandler::fixChildOrderForElementName(const std::string& name) const {
  const auto delegate = delegate_.lock();
  if (!delegate) return;
  Value preset = delegate->creatorPreset();
  if (!preset.is_object() || !preset.contains(kRootName) || !preset[kRootName].is_object()) return;
  Value& rootChildren = preset[kRootName]["children"];
  if (!rootChildren.is_object() || !rootChildren.contains(name)) return;
  Value& element = rootChildren[name];
  if (!element.is_object() || !element.contains("children") || !element["children"].is_object()) return;
  element["children"] = delegate->resetChildOrderForElementDict(element["children"]);
  delegate->setCreatorPreset(std::move(preset));
}

void ElementOptionActionHandler::addItemToUIViewOrderWithName(const std::string& name,
                                                              const std::string& parent) const {
  if (parent == kRootName) return;
  const auto delegate = delegate_.lock();
  if (!delegate) return;
  const std::optional<Value> order = delegate->getElementObjectFromString(parent, "childorder");
  std::string newOrder;
  if (order && order->is_string() && order->get<std::string>() != "none") {
    newOrder = order->get<std::string>() + "," + name;
  } else {
    // Without an order ("none" or none at all) every child is drawn in its own order; an order of
    // the new name alone would leave the others undrawn, so they are listed too, still drawn as before.
    const std::optional<Value> container = delegate->findElementInDictionary(parent);
    const Value* children = container ? nonEmptyChildren(*container) : nullptr;
    std::vector<std::string> names;
    if (children) {
      for (const auto& entry : children->items()) names.push_back(entry.key());
    }
    std::reverse(names.begin(), names.end());
    names.push_back(name);
    for (std::size_t index = 0; index < names.size(); ++index) newOrder += (index == 0 ? "" : ",") + names[index];
  }
  delegate->setElementStyle("childorder", parent, newOrder);
}

}  // namespace vantile
