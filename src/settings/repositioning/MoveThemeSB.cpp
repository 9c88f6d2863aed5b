#include "settings/repositioning/MoveThemeSB.h"

#include "settings/repositioning/MoveThemeView.h"

namespace vantile::settings {

std::shared_ptr<MoveThemeSB> MoveThemeSB::make() {
  auto pane = std::make_shared<MoveThemeSB>(ConstructionKey{});
  const auto paneView = pane->view();
  pane->moveThemeView_ = MoveThemeView::sharedInstance().setupMoveThemeView(paneView, MoveThemeView::homescreen);
  paneView->addSubview(pane->moveThemeView_);
  return pane;
}

MoveThemeSB::MoveThemeSB(ConstructionKey key) : ListController(key) {}

}  // namespace vantile::settings
