#include <gtest/gtest.h>

#include "hosts/common/ViewTreeDump.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/text/Label.h"

namespace vantile::hosts {
namespace {

TEST(ViewTreeDump, WritesEveryViewDepthFirstWithItsIdentityGeometryAndText) {
  auto root = platform::ui::View::make({0, 0, 100, 200});
  root->setTag(8945);
  auto card = platform::ui::View::make({10, 20, 80, 40.5});
  card->setAccessibilityIdentifier("card");
  card->setTag(3);
  card->setAlpha(0.5);
  auto title = platform::ui::Label::make({1, 2, 30, 10});
  title->setText("Hi");
  title->layer()->setName("AppIconAppLabel");
  auto picture = platform::ui::ImageView::make(platform::graphics::Rect{0, 0, 5, 5});
  picture->setHidden(true);
  card->addSubview(title);
  root->addSubview(card);
  root->addSubview(picture);

  const platform::Value expected = platform::Value::parse(R"({
    "class": "View", "tag": 8945, "frame": [0, 0, 100, 200], "hidden": false, "alpha": 1, "subviews": [
      {"class": "View", "id": "card", "tag": 3, "frame": [10, 20, 80, 40.5], "hidden": false, "alpha": 0.5,
       "subviews": [
         {"class": "Label", "tag": 0, "frame": [1, 2, 30, 10], "hidden": false, "alpha": 1, "text": "Hi",
          "layer": "AppIconAppLabel", "subviews": []}]},
      {"class": "ImageView", "tag": 0, "frame": [0, 0, 5, 5], "hidden": true, "alpha": 1, "subviews": []}]})");
  const platform::Value actual = dumpViewTree(*root);
  EXPECT_EQ(actual, expected) << actual.dump(2);
}

}  // namespace
}  // namespace vantile::hosts
