#include "inspector/reorder/CreatorReorderView.h"

#include <cmath>

#include "inspector/palette/EditorPalette.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/gestures/TapGestureRecognizer.h"
#include "platform/ui/lists/TableView.h"
#include "platform/ui/lists/TableViewCell.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
namespace ui = platform::ui;

constexpr double kPanelHeight = 400;
constexpr double kHeaderHeight = 40;
constexpr double kSlideDuration = 0.2;
constexpr graphics::Color kWhite{1, 1, 1, 1};
constexpr const char* kCellIdentifier = "DragCell";

std::shared_ptr<ui::Label> headerLabel(const graphics::Rect& frame, std::string text, ui::TextAlignment alignment) {
  auto label = ui::Label::make(frame);
  label->setText(std::move(text));
  label->setTextColor(kWhite);
  label->setTextAlignment(alignment);
  return label;
}

}  // namespace

CreatorReorderView::CreatorReorderView(ConstructionKey key, const graphics::Rect& frame) : View(key, frame) {}

std::shared_ptr<CreatorReorderView> CreatorReorderView::initReorderWithList(const std::vector<std::string>& list,
                                                                            const graphics::Rect& frame,
                                                                            Completion completion) {
  const double width = frame.size.width;
  const double areaHeight = frame.size.height;
  auto panel =
      std::make_shared<CreatorReorderView>(ConstructionKey{}, graphics::Rect{0, areaHeight, width, kPanelHeight});
  panel->completionBlock = std::move(completion);
  panel->setBackgroundColor(editor_palette::kBar);
  panel->layer()->setCornerRadius(10);
  panel->setClipsToBounds(true);
  panel->_list.assign(list.rbegin(), list.rend());

  panel->_tableView = ui::TableView::make({0, kHeaderHeight, width, kPanelHeight - kHeaderHeight});
  panel->_tableView->setDataSource(panel);
  panel->_tableView->setDelegate(panel);
  panel->_tableView->setEditing(true);
  panel->_tableView->setBackgroundColor(editor_palette::kPanel);
  panel->_tableView->registerCellClass<ui::TableViewCell>(kCellIdentifier);
  panel->addSubview(panel->_tableView);
  panel->addHeader(width);

  ui::View::animate(kSlideDuration, 0, {}, [panel, width, areaHeight] {
    panel->setFrame({0, std::trunc(areaHeight - kPanelHeight), width, kPanelHeight});
  });
  return panel;
}

void CreatorReorderView::addHeader(double width) {
  auto header = ui::View::make({0, 0, width, kHeaderHeight});
  auto close = headerLabel({20, 0, 100, kHeaderHeight}, "Close", ui::TextAlignment::left);
  close->setTag(closeTag);
  close->setUserInteractionEnabled(true);
  header->addSubview(std::move(close));
  auto title = headerLabel({width / 2 - 50, 0, 100, kHeaderHeight}, "Layer Order", ui::TextAlignment::center);
  title->setUserInteractionEnabled(false);
  header->addSubview(std::move(title));
  auto save = headerLabel({width - 120, 0, 100, kHeaderHeight}, "Save", ui::TextAlignment::right);
  save->setTag(saveTag);
  save->setUserInteractionEnabled(true);
  header->addSubview(std::move(save));
  header->addGestureRecognizer(ui::TapGestureRecognizer::make(
      [view = std::weak_ptr<CreatorReorderView>(std::static_pointer_cast<CreatorReorderView>(shared_from_this()))](
          ui::GestureRecognizer& tap) {
        if (const auto self = view.lock()) self->headerTapped(tap);
      }));
  addSubview(std::move(header));
}

void CreatorReorderView::headerTapped(ui::GestureRecognizer& tap) {
  const auto header = tap.view();
  const auto location = tap.locationInView(header.get());
  if (!header || !location) return;
  const auto touched = header->hitTest(*location);
  if (!touched) return;
  if (!completionBlock) {
    platform::foundation::systemLog("CreatorReorderView: no completion to hand the layer order to");
    return;
  }
  if (touched->tag() == saveTag) {
    completionBlock(std::vector<std::string>(_list.rbegin(), _list.rend()));
  } else if (touched->tag() == closeTag) {
    completionBlock({});
  }
}

bool CreatorReorderView::implements(TableViewDataSource::Operation operation) const {
  using Operation = TableViewDataSource::Operation;
  return operation == Operation::canMoveRowAtIndexPath || operation == Operation::moveRowAtIndexPath ||
         operation == Operation::canEditRowAtIndexPath;
}

bool CreatorReorderView::implements(TableViewDelegate::Operation) const { return false; }

int CreatorReorderView::numberOfRowsInSection(ui::TableView&, int) { return static_cast<int>(_list.size()); }

std::shared_ptr<ui::TableViewCell> CreatorReorderView::cellForRowAtIndexPath(ui::TableView& tableView,
                                                                             ui::IndexPath indexPath) {
  auto cell = tableView.dequeueReusableCell(kCellIdentifier, indexPath);
  if (!cell) return nullptr;
  cell->setShowsReorderControl(true);
  cell->textLabel()->setText(_list.at(static_cast<std::size_t>(indexPath.row)));
  return cell;
}

bool CreatorReorderView::canMoveRowAtIndexPath(ui::TableView&, ui::IndexPath) { return true; }

void CreatorReorderView::moveRowAtIndexPath(ui::TableView&, ui::IndexPath from, ui::IndexPath to) {
  const auto fromRow = static_cast<std::size_t>(from.row);
  const auto toRow = static_cast<std::size_t>(to.row);
  if (fromRow >= _list.size() || toRow >= _list.size()) return;
  std::string entry = std::move(_list[fromRow]);
  _list.erase(_list.begin() + from.row);
  _list.insert(_list.begin() + to.row, std::move(entry));
}

bool CreatorReorderView::canEditRowAtIndexPath(ui::TableView&, ui::IndexPath) { return false; }

}  // namespace vantile
