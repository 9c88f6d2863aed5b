#pragma once

#include <memory>
#include <string>
#include <vector>

#include "inspector/actions/ElementOptionActionHandler.h"
#include "inspector/builder/ElementOptionFactory.h"
#include "inspector/builder/ElementOptionRows.h"
#include "inspector/builder/ElementOptionsBuilderDelegate.h"
#include "platform/foundation/values/Value.h"

namespace platform::ui {
class GestureRecognizer;
class ScrollView;
class View;
}  // namespace platform::ui

namespace vantile {

// Makes the inspector panel of one element: a scroll view of rows whose parts the delegate (the
// canvas) draws and whose taps go to the delegate or to the tree-edit handler.
class ElementOptionsBuilder {
 public:
  ElementOptionsBuilder(std::weak_ptr<ElementOptionsBuilderDelegate> delegate, std::shared_ptr<platform::ui::View> menu);

  void setColorArray(std::vector<std::string> colors) { colorArray = std::move(colors); }

  // A new panel for the element `name` with its dictionary `children`, sized to the menu's frame;
  // nothing without a delegate or a menu. The caller adds it where it wants.
  std::shared_ptr<platform::ui::ScrollView> buildElementOptionsForName(const std::string& name,
                                                                       const platform::Value& children);

  ElementOptionActionHandler& actionHandler() { return *actionHandler_; }

  std::vector<std::string> colorArray;

 private:
  // The rows as they will be drawn, from the delegate's current answers.
  std::optional<ElementOptionsLayout> layoutForName(const std::string& name, const platform::Value& children) const;
  void addSpecialRow(const SpecialOptionConfig& row, double width, platform::ui::ScrollView& scrollView);
  void addPropertyRow(const PropertyRowLayout& row, ElementOptionsBuilderDelegate& delegate,
                      platform::ui::ScrollView& scrollView);
  void addButton(const PlacedButton& placed, const std::string& propertyName, ElementOptionsBuilderDelegate& delegate,
                 platform::ui::ScrollView& scrollView);
  static void runSpecialAction(SpecialRowAction action, const std::weak_ptr<ElementOptionsBuilderDelegate>& delegate,
                               const std::weak_ptr<ElementOptionActionHandler>& handler,
                               platform::ui::GestureRecognizer& tap);
  static void runPicker(ElementOptionsBuilderDelegate::Operation action, ElementOptionsBuilderDelegate& delegate,
                        platform::ui::GestureRecognizer& tap);

  std::weak_ptr<ElementOptionsBuilderDelegate> delegate_;
  std::shared_ptr<platform::ui::View> menu_;
  std::shared_ptr<ElementOptionActionHandler> actionHandler_;
  // Its pad keys are the delegate's at construction.
  ElementOptionFactory factory_;
};

}  // namespace vantile
