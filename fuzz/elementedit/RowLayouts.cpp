#include "elementedit/RowLayouts.h"

#include "inspector/actions/ContainerTree.h"
#include "inspector/builder/ElementOptionRows.h"

namespace fuzzing {

namespace {

namespace tree = vantile::ContainerTree;
using platform::Value;

vantile::OptionRowInputs inputsFor(const ElementEditInput& input, const Value& element) {
  vantile::OptionRowInputs inputs;
  inputs.panelSize = {375, 300};
  if (element.is_object()) {
    for (const auto& [key, value] : element.items()) inputs.customOrder.push_back(key);
  }
  inputs.customOrder.insert(inputs.customOrder.end(), input.newNames.begin(), input.newNames.end());
  inputs.blackList = {"children", "type"};
  inputs.colorArray = {"textColor", "color", "backgroundColor"};
  inputs.presetContainsUIView = input.names.size() % 2 == 0;
  const Value& root = input.theme[tree::kRootName];
  if (root.is_object() && root.contains("children")) inputs.rootChildren = root["children"];
  inputs.systemVersion = 15;
  return inputs;
}

}  // namespace

void runRowLayouts(const ElementEditInput& input) {
  if (!input.theme.is_object() || !input.theme.contains(tree::kRootName)) return;
  static const vantile::ElementOptionFactory factory({"width", "height", "fontSize", "x", "y", "textShadow"});
  for (const std::string& name : input.names) {
    const std::optional<Value> element = tree::elementNamed(input.theme, name);
    if (!element) continue;
    (void)vantile::layoutElementOptions(name, *element, inputsFor(input, *element), factory);
    (void)vantile::isInContainer(name, inputsFor(input, *element).rootChildren);
  }
}

}  // namespace fuzzing
