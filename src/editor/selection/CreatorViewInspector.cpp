// The inspector panel of the selected element, made by the options builder with the canvas as its delegate.
#include "editor/CreatorView.h"
#include "editor/elementlist/CanvasOptionsDelegate.h"
#include "inspector/builder/ElementOptionsBuilder.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

const std::shared_ptr<ElementOptionsBuilderDelegate>& CreatorView::optionsDelegate() {
  if (!optionsDelegate_) optionsDelegate_ = std::make_shared<CanvasOptionsDelegate>(*this);
  return optionsDelegate_;
}

void CreatorView::initializeOptionsBuilderIfNeeded() {
  if (optionsBuilder) return;
  optionsBuilder = std::make_shared<ElementOptionsBuilder>(optionsDelegate(), menu);
  optionsBuilder->setColorArray(colorArray);
}

ElementOptionActionHandler& CreatorView::elementOptionActionHandler() {
  initializeOptionsBuilderIfNeeded();
  return optionsBuilder->actionHandler();
}

void CreatorView::showElementInspector(const std::string& name) {
  initializeOptionsBuilderIfNeeded();
  if (elementOptions) elementOptions->removeFromSuperview();
  elementOptions.reset();
  const std::optional<platform::Value> element = dictHelpers.findElementInDictionary(name);
  if (!element || !element->is_object()) {
    platform::foundation::systemLog("showElementInspector: no element named " + name + "; no inspector");
    return;
  }
  elementOptions = optionsBuilder->buildElementOptionsForName(name, *element);
  if (elementOptions && menu) menu->addSubview(elementOptions);
}

}  // namespace vantile
