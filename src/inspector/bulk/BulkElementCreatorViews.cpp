// The sheet's views: title, tree container with the table, the two palettes, "Add" and the
// type menu overlay.
#include <algorithm>

#include "inspector/bulk/BulkElementCreator.h"
#include "inspector/bulk/BulkElementTreeCell.h"
#include "inspector/bulk/ElementTypeCaptions.h"
#include "inspector/palette/EditorPalette.h"
#include "platform/ui/text/Label.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace ui = platform::ui;
using platform::graphics::Color;
using platform::graphics::Font;
using platform::graphics::Rect;

namespace {

constexpr Color kSheetColor = editor_palette::kPanel;
constexpr Color kTileColor = editor_palette::kRaised;
constexpr Color kWhite = editor_palette::kWhite;
constexpr Color kFaintBorder{1, 1, 1, 0.1};
constexpr Color kLightGrey = editor_palette::kLightGrey;
constexpr double kMargin = 20;
constexpr double kInnerMargin = 16;
constexpr double kHeadingHeight = 20;
constexpr double kElementsPaletteHeight = 180;
constexpr double kTemplatesPaletteHeight = 70;
constexpr double kAddWidth = 120;
constexpr double kAddHeight = 30;
constexpr double kTileHeight = 50;
constexpr double kTileRowSpacing = 28;
constexpr double kMenuWidth = 250;
constexpr double kMenuHeight = 400;
constexpr double kMenuRowPitch = 48;
constexpr double kMenuButtonHeight = 40;
constexpr const char* kElementCellIdentifier = "ElementCell";
constexpr const char* kTemplateCellIdentifier = "TemplateCell";

std::shared_ptr<ui::Label> textLabel(const std::string& text, Font font, Color color, bool centred) {
  auto label = ui::Label::make();
  label->setText(text);
  label->setFont(std::move(font));
  label->setTextColor(color);
  if (centred) label->setTextAlignment(ui::TextAlignment::center);
  return label;
}

void outline(ui::View& view, double cornerRadius) {
  view.setBackgroundColor(kSheetColor);
  view.layer()->setCornerRadius(cornerRadius);
  view.layer()->setBorderWidth(1);
  view.layer()->setBorderColor(kFaintBorder);
}

Font bold(double size) { return {"Inter-Bold", size}; }

}  // namespace

// Lays the sheet out again whenever the presentation gives it its size.
class BulkElementCreator::SheetView final : public ui::View {
 public:
  static std::shared_ptr<SheetView> make(std::weak_ptr<BulkElementCreator> owner) {
    return std::make_shared<SheetView>(ConstructionKey{}, std::move(owner));
  }
  SheetView(ConstructionKey key, std::weak_ptr<BulkElementCreator> owner)
      : View(key, {0, 0, ui::modal_presentation::formSheetSize.width, ui::modal_presentation::formSheetSize.height}),
        owner_(std::move(owner)) {}

 protected:
  void layoutSubviews() override {
    if (const auto sheet = owner_.lock()) sheet->layoutSheet(*this);
  }

 private:
  std::weak_ptr<BulkElementCreator> owner_;
};

std::shared_ptr<ui::View> BulkElementCreator::loadView() {
  auto sheet = SheetView::make(self());
  sheet->setBackgroundColor(kSheetColor);
  buildViews(*sheet);
  layoutSheet(*sheet);
  updateFlattenedHierarchy();
  return sheet;
}

void BulkElementCreator::buildViews(ui::View& sheet) {
  titleLabel_ = textLabel("Add Elements", bold(18), kWhite, true);
  treeContainer_ = ui::View::make();
  outline(*treeContainer_, 12);
  treeHeading_ = textLabel("Element Hierarchy", bold(16), kWhite, false);
  tableView = ui::TableView::make();
  tableView->setBackgroundColor(Color{0, 0, 0, 0});
  tableView->layer()->setCornerRadius(8);
  tableView->setSeparatorStyle(ui::TableView::SeparatorStyle::singleLine);
  tableView->setSeparatorColor(editor_palette::kBar);
  tableView->setRowHeight(kRowHeight);
  tableView->registerCellClass<BulkElementTreeCell>("TreeCell");
  tableView->setDataSource(std::static_pointer_cast<ui::TableViewDataSource>(self()));
  emptyStateLabel =
      textLabel("Tap elements below to add them here", platform::graphics::systemFont(14), {1, 1, 1, 0.6}, true);
  for (const auto& part : std::vector<std::shared_ptr<ui::View>>{treeHeading_, tableView, emptyStateLabel}) {
    treeContainer_->addSubview(part);
  }
  elementsHeading_ = textLabel("Elements", bold(16), kWhite, false);
  templatesHeading_ = textLabel("Templates", bold(16), kWhite, false);
  elementsPalette_ = makePalette(kElementsPaletteTag, kElementCellIdentifier);
  templatesPalette_ = makePalette(kTemplatesPaletteTag, kTemplateCellIdentifier);
  addButton = BulkButton::make({}, "Add");
  addButton->setFont(platform::graphics::systemFont(14));
  addButton->layer()->setCornerRadius(8);
  addButton->setClipsToBounds(true);
  addButton->setAction([weak = std::weak_ptr<BulkElementCreator>(self())](BulkButton&) {
    if (const auto creator = weak.lock()) creator->addButtonTapped();
  });
  for (const auto& part : std::vector<std::shared_ptr<ui::View>>{titleLabel_, treeContainer_, elementsHeading_,
                                                                 elementsPalette_, templatesHeading_, templatesPalette_,
                                                                 addButton}) {
    sheet.addSubview(part);
  }
}

void BulkElementCreator::layoutSheet(const ui::View& sheet) {
  const double width = sheet.bounds().width();
  const double height = sheet.bounds().height();
  const double inner = std::max(0.0, width - 2 * kMargin);
  titleLabel_->setFrame({kMargin, kMargin, inner, 22});
  addButton->setFrame({width - kMargin - kAddWidth, height - kMargin - kAddHeight, kAddWidth, kAddHeight});
  const double templatesY = addButton->frame().y() - kMargin - kTemplatesPaletteHeight;
  templatesPalette_->setFrame({kMargin, templatesY, inner, kTemplatesPaletteHeight});
  templatesHeading_->setFrame({kMargin, templatesY - 10 - kHeadingHeight, inner, kHeadingHeight});
  const double elementsY = templatesHeading_->frame().y() - 15 - kElementsPaletteHeight;
  elementsPalette_->setFrame({kMargin, elementsY, inner, kElementsPaletteHeight});
  elementsHeading_->setFrame({kMargin, elementsY - 10 - kHeadingHeight, inner, kHeadingHeight});
  const double treeTop = titleLabel_->frame().maxY() + kMargin;
  const double treeHeight = std::max(0.0, elementsHeading_->frame().y() - 30 - treeTop);
  treeContainer_->setFrame({kMargin, treeTop, inner, treeHeight});
  const double treeInner = std::max(0.0, inner - 2 * kInnerMargin);
  treeHeading_->setFrame({kInnerMargin, kInnerMargin, treeInner, kHeadingHeight});
  const double tableTop = treeHeading_->frame().maxY() + 12;
  tableView->setFrame({kInnerMargin, tableTop, treeInner, std::max(0.0, treeHeight - tableTop - kInnerMargin)});
  emptyStateLabel->setFrame({kInnerMargin, treeHeight / 2 - 10, treeInner, 20});
  if (elementTypeMenu) elementTypeMenu->setFrame({0, 0, width, height});
}

std::shared_ptr<ui::CollectionView> BulkElementCreator::makePalette(std::int64_t tag, const char* identifier) {
  ui::CollectionViewFlowLayout layout;
  layout.minimumInteritemSpacing = 6;
  layout.minimumLineSpacing = 6;
  layout.sectionInset = {8, 8, 8, 8};
  auto palette = ui::CollectionView::make({}, layout);
  palette->setTag(tag);
  outline(*palette, 12);
  palette->registerCell(identifier, [] { return ui::CollectionViewCell::make(); });
  palette->setDataSource(std::static_pointer_cast<ui::CollectionViewDataSource>(self()));
  palette->setDelegate(std::static_pointer_cast<ui::CollectionViewDelegate>(self()));
  return palette;
}

platform::graphics::Size BulkElementCreator::sizeForItemAtIndexPath(ui::CollectionView& palette,
                                                                    const ui::CollectionViewFlowLayout&,
                                                                    ui::IndexPath) {
  return {std::max(0.0, (palette.bounds().width() - kTileRowSpacing) / 3), kTileHeight};
}

std::shared_ptr<ui::CollectionViewCell> BulkElementCreator::cellForItemAtIndexPath(ui::CollectionView& palette,
                                                                                   ui::IndexPath indexPath) {
  const bool templates = palette.tag() == kTemplatesPaletteTag;
  auto tile = palette.dequeueReusableCell(templates ? kTemplateCellIdentifier : kElementCellIdentifier, indexPath);
  const std::vector<std::string>& names = namesOf(palette);
  if (!tile || indexPath.item() < 0 || static_cast<std::size_t>(indexPath.item()) >= names.size()) return tile;
  const std::string& name = names[static_cast<std::size_t>(indexPath.item())];
  const auto& content = tile->contentView();
  for (const auto& old : std::vector(content->subviews())) old->removeFromSuperview();
  tile->setBackgroundColor(kTileColor);
  tile->layer()->setCornerRadius(8);
  tile->layer()->setBorderWidth(1);
  tile->layer()->setBorderColor(Color{1, 1, 1, 0.15});
  tile->layer()->setShadowColor(Color{0, 0, 0, 1});
  tile->layer()->setShadowOffset({0, 1});
  tile->layer()->setShadowOpacity(0.1);
  tile->layer()->setShadowRadius(2);
  const double width = std::max(0.0, tile->bounds().width() - 8);
  auto nameLabel = textLabel(name, bold(12), kWhite, true);
  nameLabel->setNumberOfLines(1);
  nameLabel->setFrame({4, 8, width, 16});
  auto caption = textLabel(templates ? "Template" : elementTypeCaption(name), platform::graphics::systemFont(8),
                           kLightGrey, true);
  caption->setNumberOfLines(1);
  caption->setFrame({4, 28, width, std::max(0.0, tile->bounds().height() - 28 - 8)});
  content->addSubview(std::move(nameLabel));
  content->addSubview(std::move(caption));
  return tile;
}

void BulkElementCreator::openElementTypeMenu() {
  if (elementTypeMenu) elementTypeMenu->removeFromSuperview();
  const auto sheet = view();
  auto overlay = ui::View::make(sheet->bounds());
  overlay->setBackgroundColor(Color{0, 0, 0, 0.5});
  auto panel = ui::View::make({(sheet->bounds().width() - kMenuWidth) / 2, (sheet->bounds().height() - kMenuHeight) / 2,
                               kMenuWidth, kMenuHeight});
  outline(*panel, 12);
  const double inner = kMenuWidth - 2 * kMargin;
  auto heading = textLabel("Add Element", bold(16), kWhite, true);
  heading->setFrame({kMargin, kMargin, inner, kHeadingHeight});
  const std::weak_ptr<BulkElementCreator> weak = self();
  auto done = BulkButton::make({24, kMenuHeight - kMargin - kMenuButtonHeight, kMenuWidth - 48, kMenuButtonHeight},
                               "Done");
  done->setTextColor(kWhite);
  done->setBackgroundColor(kTileColor);
  done->layer()->setCornerRadius(6);
  done->setAction([weak](BulkButton&) {
    if (const auto creator = weak.lock()) creator->closeElementTypeMenu();
  });
  const double listTop = heading->frame().maxY() + kMargin;
  auto list = ui::ScrollView::make({kMargin, listTop, inner, done->frame().y() - kMargin - listTop});
  outline(*list, 8);
  list->setContentSize({inner, static_cast<double>(elementTypes.size()) * kMenuRowPitch + 16});
  for (std::size_t index = 0; index < elementTypes.size(); ++index) {
    auto button = BulkButton::make(
        {12, static_cast<double>(index) * kMenuRowPitch + 8, inner - 24, kMenuButtonHeight}, elementTypes[index]);
    button->setFont(platform::graphics::systemFont(14));
    button->setTextColor(kWhite);
    button->setBackgroundColor(kTileColor);
    button->layer()->setCornerRadius(6);
    button->setTag(static_cast<std::int64_t>(index));
    button->setAction([weak](BulkButton& tapped) {
      if (const auto creator = weak.lock()) creator->elementTypeSelected(tapped);
    });
    list->addSubview(std::move(button));
  }
  panel->addSubview(std::move(heading));
  panel->addSubview(std::move(list));
  panel->addSubview(std::move(done));
  overlay->addSubview(std::move(panel));
  sheet->addSubview(overlay);
  elementTypeMenu = std::move(overlay);
}

void BulkElementCreator::closeElementTypeMenu() {
  if (!elementTypeMenu) return;
  elementTypeMenu->removeFromSuperview();
  elementTypeMenu.reset();
}

}  // namespace vantile
