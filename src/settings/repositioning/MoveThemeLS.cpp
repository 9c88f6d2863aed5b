#include "settings/repositioning/MoveThemeLS.h"

#include "settings/repositioning/MoveThemeView.h"

namespace vantile::settings {

std::shared_ptr<MoveThemeLS> MoveThemeLS::make() {
  auto pane = std::make_shared<MoveThemeLS>(ConstructionKey{});
  const auto paneView = pane->view();
  pane->moveThemeView_ = MoveThemeView::sharedInstance().setupMoveThemeView(paneView, MoveThemeView::lockscreen);
  paneView->addSubview(pane->moveThemeView_);
  return pane;
}

MoveThemeLS::MoveThemeLS(ConstructionKey key) : ListController(key) {}

}  // namespace vantile::settings
