#include "settings/panes/KSCustomSliderCell.h"

#include <cstdio>

#include "platform/foundation/files/Bundle.h"
#include "platform/foundation/values/Conversions.h"
#include "platform/preferences/ListController.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/controls/Slider.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/Application.h"
#include "platform/ui/views/Window.h"

namespace vantile::settings {

namespace ui = platform::ui;
namespace foundation = platform::foundation;

namespace {

constexpr double kVerticalInset = 4;
constexpr double kHorizontalInset = 15;
constexpr double kTitleHeight = 18;
constexpr double kValueLabelWidth = 40;

std::string formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

double numberProperty(const platform::preferences::PaneRow& row, const char* key, double fallback) {
  const auto found = row.properties.find(key);
  return found == row.properties.end() ? fallback : foundation::doubleValue(*found);
}

// The view controller whose view holds `view`, nearest first.
std::shared_ptr<ui::ViewController> viewControllerForAncestor(const ui::View& view) {
  for (auto ancestor = view.superview(); ancestor; ancestor = ancestor->superview()) {
    if (auto controller = ui::ViewController::forRootView(*ancestor)) return controller;
  }
  return nullptr;
}

}  // namespace

std::shared_ptr<KSCustomSliderCell> KSCustomSliderCell::make(const platform::preferences::PaneRow& row,
                                                             platform::preferences::ListController& pane) {
  auto cell = std::make_shared<KSCustomSliderCell>(
      ConstructionKey{}, row, std::static_pointer_cast<platform::preferences::ListController>(pane.shared_from_this()));
  cell->build();
  return cell;
}

KSCustomSliderCell::KSCustomSliderCell(ConstructionKey key, platform::preferences::PaneRow row,
                                       std::weak_ptr<platform::preferences::ListController> pane)
    : TableViewCell(key, Style::standard, ""),
      row_(std::move(row)),
      pane_(std::move(pane)),
      slider_(ui::Slider::make()),
      _sliderLabel(ui::Label::make()),
      _valueLabel(ui::Label::make()),
      _sliderStackView(ui::StackView::make(ui::StackView::Axis::horizontal)),
      _stackView(ui::StackView::make(ui::StackView::Axis::vertical)) {}

void KSCustomSliderCell::build() {
  setSelectionStyle(SelectionStyle::none);
  const auto table = row_.text("localizationTable");
  _sliderLabel->setText(foundation::Bundle::main().localizedString(row_.label, row_.label, table.value_or("")));
  _sliderLabel->setFont(platform::graphics::systemFont(15));
  slider_->setMinimumValue(numberProperty(row_, "min", 0));
  slider_->setMaximumValue(numberProperty(row_, "max", 1));
  const auto pane = pane_.lock();
  const auto value = pane ? pane->readPreferenceValue(row_) : std::nullopt;
  slider_->setValue(value ? foundation::floatValue(*value) : 0);
  _valueLabel->setFont(platform::graphics::systemFont(10));
  _valueLabel->setText(formatted("%.01f", slider_->value()));
  _valueLabel->setUserInteractionEnabled(true);

  _sliderStackView->setAlignment(ui::StackView::Alignment::center);
  _sliderStackView->setSpacing(5);
  _sliderStackView->addArrangedSubview(slider_);
  _sliderStackView->addArrangedSubview(_valueLabel);
  _stackView->setAlignment(ui::StackView::Alignment::center);
  _stackView->setSpacing(0);
  _stackView->addArrangedSubview(_sliderLabel);
  _stackView->addArrangedSubview(_sliderStackView);
  contentView()->addSubview(_stackView);

  const std::weak_ptr<KSCustomSliderCell> self = std::static_pointer_cast<KSCustomSliderCell>(shared_from_this());
  slider_->addValueChangedAction([self](ui::Control& sender) {
    if (const auto cell = self.lock()) cell->sliderValueChanged(static_cast<ui::Slider&>(sender));
  });
  _valueLabel->addGestureRecognizer(ui::TapGestureRecognizer::make([self](ui::GestureRecognizer&) {
    if (const auto cell = self.lock()) cell->setCustomSliderValue();
  }));
}

void KSCustomSliderCell::layoutSubviews() {
  TableViewCell::layoutSubviews();
  const auto bounds = contentView()->bounds();
  const double width = bounds.size.width - 2 * kHorizontalInset;
  const double height = bounds.size.height - 2 * kVerticalInset;
  const double sliderHeight = std::max(0.0, height - kTitleHeight);
  _sliderLabel->setFrame({0, 0, width, kTitleHeight});
  slider_->setFrame({0, 0, width - kValueLabelWidth - 5, sliderHeight});
  _valueLabel->setFrame({0, 0, kValueLabelWidth, sliderHeight});
  _sliderStackView->setFrame({0, kTitleHeight, width, sliderHeight});
  _stackView->setFrame({kHorizontalInset, kVerticalInset, width, height});
}

void KSCustomSliderCell::sliderValueChanged(ui::Slider& slider) {
  _valueLabel->setText(formatted("%.01f", slider.value()));
  // The stock slider row stores while dragging; this one must too.
  if (const auto pane = pane_.lock()) pane->setPreferenceValue(platform::Value(static_cast<float>(slider.value())), row_);
}

void KSCustomSliderCell::setCustomSliderValue() {
  auto alert = ui::AlertController::make("Enter Value", std::nullopt, ui::AlertController::Style::alert);
  const auto tint = tintColor();
  const std::string current = formatted("%.02f", slider_->value());
  alert->addTextField([&](ui::TextField& field) {
    field.setText(current);
    field.setKeyboardType(ui::TextField::KeyboardType::decimalPad);
    field.setTextColor(tint);
  });
  const std::weak_ptr<KSCustomSliderCell> self = std::static_pointer_cast<KSCustomSliderCell>(shared_from_this());
  const std::weak_ptr<ui::AlertController> weakAlert = alert;
  alert->addAction({"Set", ui::AlertAction::Style::normal, [self, weakAlert] {
                      const auto cell = self.lock();
                      const auto shown = weakAlert.lock();
                      if (cell && shown && !shown->textFields().empty()) {
                        cell->applyTypedValue(shown->textFields().front()->text());
                      }
                    }});
  alert->addAction({"Cancel", ui::AlertAction::Style::cancel, {}});
  auto presenter = viewControllerForAncestor(*this);
  if (!presenter) {
    const auto window = ui::Application::shared().keyWindow();
    presenter = window ? window->rootViewController() : nullptr;
  }
  if (presenter) presenter->topPresentedViewController()->presentViewController(std::move(alert), true);
}

void KSCustomSliderCell::applyTypedValue(const std::string& text) {
  double typed = foundation::floatValue(text);
  if (typed > slider_->maximumValue()) {
    typed = slider_->maximumValue();
  } else if (typed < slider_->minimumValue()) {
    typed = slider_->minimumValue();
  }
  if (const auto pane = pane_.lock()) pane->setPreferenceValue(platform::Value(static_cast<float>(typed)), row_);
  slider_->setValue(typed, true);
  _valueLabel->setText(formatted("%.01f", typed));
}

void KSCustomSliderCell::refreshCellContentsWithSpecifier(const platform::preferences::PaneRow&) {
  colourLabelsWithTint();
}

void KSCustomSliderCell::tintColorDidChange() {
  TableViewCell::tintColorDidChange();
  colourLabelsWithTint();
}

void KSCustomSliderCell::colourLabelsWithTint() {
  _sliderLabel->setTextColor(tintColor());
  _valueLabel->setTextColor(tintColor());
}

}  // namespace vantile::settings
