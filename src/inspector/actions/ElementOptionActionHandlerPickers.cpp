// The inspector rows' tap targets for container edits and the pickers they open.
#include <algorithm>

#include "inspector/actions/ContainerTree.h"
#include "inspector/actions/ElementOptionActionHandler.h"
#include "inspector/menu/CreatorVerticalMenu.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/locale/LocalizedText.h"
#include "platform/ui/views/View.h"

namespace vantile {

namespace {

using platform::Value;
using Operation = ElementOptionsBuilderDelegate::Operation;

std::vector<std::string> sortedCaseInsensitive(std::vector<std::string> names) {
  std::stable_sort(names.begin(), names.end(), [](const std::string& left, const std::string& right) {
    return platform::foundation::localizedCaseInsensitiveCompare(left, right) < 0;
  });
  return names;
}

// The containers an element cannot go into: itself, what it holds and the one it stands in.
std::vector<std::string> containersRefusedFor(const Value& preset, const std::string& name) {
  std::vector<std::string> refused = {name};
  if (const auto element = ContainerTree::elementNamed(preset, name)) {
    const std::vector<std::string> inside = ContainerTree::descendantNames(*element);
    refused.insert(refused.end(), inside.begin(), inside.end());
  }
  return refused;
}

// The elements that cannot go into the scroll view: itself, those that hold it and its children.
std::vector<std::string> elementsRefusedBy(const Value& preset, const std::string& scrollView) {
  std::vector<std::string> refused = {scrollView};
  if (const auto path = ContainerTree::pathOf(preset, scrollView)) {
    for (std::size_t index = 2; index + 1 < path->size(); index += 2) refused.push_back((*path)[index]);
  }
  if (const auto element = ContainerTree::elementNamed(preset, scrollView); element && element->contains("children")) {
    const Value& children = (*element)["children"];
    if (children.is_object()) {
      for (const auto& entry : children.items()) refused.push_back(entry.key());
    }
  }
  return refused;
}

}  // namespace

void ElementOptionActionHandler::addToUIView(platform::ui::GestureRecognizer&) {
  const auto delegate = treeEditDelegate();
  if (!delegate || !delegate->implements(Operation::getUIViewsInPreset)) return;
  const std::string selected = delegate->getSelectedElement();
  std::vector<std::string> refused = containersRefusedFor(delegate->creatorPreset(), selected);
  if (auto parent = delegate->getParentName(selected); parent && *parent != ContainerTree::kRootName) {
    refused.push_back(std::move(*parent));
  }
  openPicker("Select UIView", delegate->getUIViewsInPreset(), std::move(refused),
             [](ElementOptionActionHandler& handler, const std::string& name) { handler.addElementToUIView(name); });
}

void ElementOptionActionHandler::moveToUIView(platform::ui::GestureRecognizer&) {
  const auto delegate = treeEditDelegate();
  if (!delegate || !delegate->implements(Operation::getUIViewsInPreset) ||
      !delegate->implements(Operation::getParentNameFromElementName)) {
    return;
  }
  const std::string selected = delegate->getSelectedElement();
  std::vector<std::string> refused = containersRefusedFor(delegate->creatorPreset(), selected);
  if (auto parent = delegate->getParentNameFromElementName(selected)) refused.push_back(std::move(*parent));
  openPicker("Select UIView", delegate->getUIViewsInPreset(), std::move(refused),
             [](ElementOptionActionHandler& handler, const std::string& name) { handler.moveSelectedElementTo(name); });
}

void ElementOptionActionHandler::addToScrollview(platform::ui::GestureRecognizer&) {
  const auto delegate = treeEditDelegate();
  if (!delegate || !delegate->implements(Operation::getViewsInPreset)) return;
  closePicker();
  const std::string selected = delegate->getSelectedElement();
  openPicker("Select View to Add", delegate->getViewsInPreset(), elementsRefusedBy(delegate->creatorPreset(), selected),
             [](ElementOptionActionHandler& handler, const std::string& name) { handler.addItemToScrollView(name); });
}

void ElementOptionActionHandler::removeFromScrollview(platform::ui::GestureRecognizer&) {
  const auto delegate = treeEditDelegate();
  if (!delegate) return;
  closePicker();
  const std::optional<Value> scrollView = delegate->findElementInDictionary(delegate->getSelectedElement());
  if (!scrollView || !scrollView->is_object() || !scrollView->contains("children")) return;
  const Value& children = (*scrollView)["children"];
  if (!children.is_object() || children.empty()) return;
  std::vector<std::string> names;
  for (const auto& entry : children.items()) names.push_back(entry.key());
  openPicker("Select Element to Remove", std::move(names), {},
             [](ElementOptionActionHandler& handler, const std::string& name) {
               const auto current = handler.treeEditDelegate();
               if (current) handler.removeItemFromScrollView(name, current->getSelectedElement());
             });
}

void ElementOptionActionHandler::openPicker(const std::string& title, std::vector<std::string> names,
                                            std::vector<std::string> blacklist, PickedName picked) {
  const auto delegate = delegate_.lock();
  if (!delegate || !delegate->implements(Operation::mainView) || !delegate->implements(Operation::uiviewPicker)) return;
  closePicker();
  const std::shared_ptr<platform::ui::View> mainView = delegate->mainView();
  if (!mainView) {
    platform::foundation::systemLog("Could not open the menu " + title + ": the editor has no main view");
    return;
  }
  Value options = {{"0", sortedCaseInsensitive(std::move(names))}, {"blacklist", std::move(blacklist)}};
  auto completion = [handler = weak_from_this(), picked = std::move(picked)](const std::string& name) {
    if (const auto self = handler.lock()) picked(*self, name);
  };
  auto menu = CreatorVerticalMenu::initWithMenuName(title, std::move(options), mainView->bounds(), std::move(completion), {});
  mainView->addSubview(menu);
  delegate->setUiviewPicker(std::move(menu));
}

void ElementOptionActionHandler::closePicker() const {
  const auto delegate = delegate_.lock();
  if (!delegate || !delegate->implements(Operation::uiviewPicker)) return;
  if (const auto picker = delegate->uiviewPicker()) picker->closeMenu();
  delegate->setUiviewPicker(nullptr);
}

}  // namespace vantile
