#pragma once

#include "engine/ElementOrchestratorDelegate.h"
#include "platform/foundation/values/Value.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vantile {

// Wires a freshly built element view into its tree: attaches it, gives it its identity,
// reports it to the host, installs the taps the element and environment call for, and asks
// the host for the element's children. Environments: "creator" (editor), "vantile" (tweak).
class ElementOrchestrator {
 public:
  static ElementOrchestrator& sharedInstance();

  std::shared_ptr<ElementOrchestratorDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(const std::shared_ptr<ElementOrchestratorDelegate>& delegate) { delegate_ = delegate; }

  struct Element {
    const std::shared_ptr<platform::ui::View>& view;
    const std::shared_ptr<platform::ui::View>& parent;
    const std::string& name;
    const platform::Value& options;
    std::int32_t count;
    const std::string& location;
    const std::string& environment;
  };

  void orchestrateElement(const std::shared_ptr<platform::ui::View>& view, std::string_view type,
                          const std::shared_ptr<platform::ui::View>& parentView, const std::string& name,
                          const platform::Value& options, std::int32_t count, const std::string& location,
                          const std::string& environment);

  // The per-type steps; each takes the element without its type.
  void orchestrateUIViewElement(const Element& element);
  void orchestrateGenericElement(const Element& element);
  void orchestrateScrollViewElement(const Element& element);
  void orchestrateUIImageViewElement(const Element& element);
  void orchestrateAppIconElement(const Element& element);
  void orchestrateWeatherIconElement(const Element& element);
  void orchestrateMarqueeLabelElement(const Element& element);
  void orchestrateWeekWidgetElement(const Element& element);
  void orchestrateAnalogClockElement(const Element& element);

  ElementOrchestrator(const ElementOrchestrator&) = delete;
  ElementOrchestrator& operator=(const ElementOrchestrator&) = delete;

 private:
  ElementOrchestrator() = default;

  // Steps shared by the per-type steps.
  void attach(const Element& element, bool honourLayerBack) const;
  void identify(const Element& element) const;
  void createChildren(const Element& element) const;
  void addTap(const Element& element, ElementOrchestratorDelegate::Operation operation) const;

  std::weak_ptr<ElementOrchestratorDelegate> delegate_;
};

// The child order handed to the host: "childorder" "none" → the children's names;
// a "childorder" list → its names reversed; otherwise the "order" array, or nothing.
std::optional<std::vector<std::string>> childOrder(const platform::Value& options);

}  // namespace vantile
