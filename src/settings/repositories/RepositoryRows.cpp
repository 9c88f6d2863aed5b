#include <string>

#include "platform/foundation/network/URLLoading.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/graphics/ImageCodec.h"
#include "platform/graphics/SymbolCatalogue.h"
#include "platform/graphics/TextMeasurement.h"
#include "platform/ui/gestures/SwipeGestureRecognizer.h"
#include "platform/ui/views/ImageView.h"
#include "settings/repositories/RepositoryBrowser.h"
#include "settings/repositories/RepositoryConfiguration.h"
#include "settings/repositories/ThemeCatalogue.h"

// One row of the repository list: banner, name, id, chevron, the invisible tap target and the
// delete panel; its banner and theme count arrive from a worker.
namespace vantile::settings::repositories {

namespace graphics = platform::graphics;
namespace ui = platform::ui;

namespace {

const graphics::Color kWhite{1, 1, 1, 1};

std::shared_ptr<ui::Label> rowLabel(const std::string& text, const graphics::Rect& frame, double fontSize) {
  auto label = ui::Label::make(frame);
  label->setText(text);
  label->setFont(graphics::systemFont(fontSize));
  label->setTextColor(kWhite);
  label->setUserInteractionEnabled(false);
  return label;
}

std::shared_ptr<ui::Label> countBadge(std::size_t count, double width) {
  auto badge = rowLabel(std::to_string(count), {width - 80, 30, 30, 20}, 11);
  badge->setBackgroundColor(graphics::Color{20 / 255.0, 20 / 255.0, 20 / 255.0, 1});
  badge->setTextAlignment(ui::TextAlignment::center);
  badge->layer()->setCornerRadius(10);
  badge->setClipsToBounds(true);
  return badge;
}

// The catalogue's theme count, badged behind the row's other views when the catalogue came.
void fetchCountBadge(const std::string& id, const std::shared_ptr<ui::View>& row, double width) {
  const RepositoryConfiguration configuration = repositoryConfiguration();
  const auto address = configuration.addresses(id).catalogue();
  if (!address) return;
  platform::foundation::fetchURLInBackground(
      *address, configuration.limits.timeoutSeconds, configuration.limits.maxBytes,
      [weakRow = std::weak_ptr<ui::View>(row), width](std::optional<std::string> body) -> platform::foundation::Task {
        if (!body) return {};
        const auto catalogue = platform::foundation::parseValue(*body);
        const std::size_t count = catalogue ? catalogueThemeCount(*catalogue) : 0;
        return [weakRow, width, count] {
          if (const auto row = weakRow.lock()) row->insertSubview(countBadge(count, width), 0);
        };
      });
}

void fetchBanner(const std::string& id, const std::shared_ptr<ui::ImageView>& banner) {
  const RepositoryConfiguration configuration = repositoryConfiguration();
  const auto address = configuration.addresses(id).banner();
  if (!address) return;
  platform::foundation::fetchURLInBackground(
      *address, configuration.limits.timeoutSeconds, configuration.limits.maxBytes,
      [weakBanner = std::weak_ptr<ui::ImageView>(banner)](std::optional<std::string> body) -> platform::foundation::Task {
        auto image = body ? graphics::decodeImage(*body) : std::nullopt;
        if (!image) return {};
        return [weakBanner, image = std::move(*image)] {
          if (const auto banner = weakBanner.lock()) banner->setImage(image);
        };
      });
}

}  // namespace

std::shared_ptr<ui::View> RepositoryBrowser::makeRow(const std::string& name, const std::string& id, double width) {
  auto row = ui::View::make({0, 0, width, 80});
  row->setBackgroundColor(graphics::Color{26 / 255.0, 26 / 255.0, 26 / 255.0, 1});
  const double scrollWidth = width;

  auto banner = ui::ImageView::make(graphics::Rect{20, 10, 60, 60});
  banner->layer()->setCornerRadius(30);
  banner->setClipsToBounds(true);
  banner->setUserInteractionEnabled(false);
  row->addSubview(banner);
  row->addSubview(rowLabel(name, {99, 12, scrollWidth, 40}, 14));
  row->addSubview(rowLabel("Repo: " + id, {99, 28, scrollWidth, 40}, 8));

  auto chevron = ui::ImageView::make(graphics::Rect{scrollWidth - 30, 35, 10, 10});
  chevron->setImage(graphics::systemSymbol("chevron.right", {.pointSize = 10}));
  chevron->setRenderingMode(ui::ImageRenderingMode::alwaysTemplate);
  chevron->setTintColor(graphics::Color{1, 1, 1, 0.4});
  chevron->setUserInteractionEnabled(false);
  row->addSubview(chevron);

  auto tapTarget = rowLabel(name, {0, 12, scrollWidth, 40}, 14);
  tapTarget->setTextColor(graphics::Color{0, 0, 0, 0});
  tapTarget->setUserInteractionEnabled(true);
  tapTarget->addGestureRecognizer(ui::SwipeGestureRecognizer::make(
      ui::SwipeDirection::left, guarded([this](ui::GestureRecognizer& swipe) { swipedLeft(swipe); })));
  tapTarget->addGestureRecognizer(ui::SwipeGestureRecognizer::make(
      ui::SwipeDirection::right, guarded([this](ui::GestureRecognizer& swipe) { swipedRight(swipe); })));
  row->addSubview(tapTarget);

  auto deletePanel = ui::View::make({scrollWidth, 0, 100, 80});
  deletePanel->setBackgroundColor(graphics::Color{1, 0, 0, 1});
  deletePanel->setTag(1);
  auto deleteLabel = rowLabel("Delete", {0, 0, 100, 80}, 17);
  deleteLabel->setTextAlignment(ui::TextAlignment::center);
  deleteLabel->setUserInteractionEnabled(true);
  deleteLabel->layer()->setName(name);
  deletePanel->addSubview(deleteLabel);
  row->addSubview(deletePanel);

  rows_.push_back({name, id, tapTarget, deleteLabel});
  fetchBanner(id, banner);
  fetchCountBadge(id, row, scrollWidth);
  return row;
}

}  // namespace vantile::settings::repositories
