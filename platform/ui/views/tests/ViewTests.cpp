#include "platform/ui/views/View.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"

namespace platform::ui {
namespace {

using graphics::AffineTransform;
using graphics::Color;
using graphics::Point;
using graphics::Rect;

void expectPointNear(std::optional<Point> actual, Point expected) {
  ASSERT_TRUE(actual.has_value());
  EXPECT_NEAR(actual->x, expected.x, 1e-9);
  EXPECT_NEAR(actual->y, expected.y, 1e-9);
}

void expectRectNear(const Rect& actual, const Rect& expected) {
  EXPECT_NEAR(actual.x(), expected.x(), 1e-9);
  EXPECT_NEAR(actual.y(), expected.y(), 1e-9);
  EXPECT_NEAR(actual.width(), expected.width(), 1e-9);
  EXPECT_NEAR(actual.height(), expected.height(), 1e-9);
}

// A parent with four subviews and a plain layer of its own at the back of its layer.
class SubviewOrder : public ::testing::Test {
 protected:
  void SetUp() override {
    parent->layer()->addSublayer(backdrop);
    for (const auto& view : {a, b, c, d}) {
      parent->addSubview(view);
    }
  }

  void expectOrder(const std::vector<std::shared_ptr<View>>& expected) {
    EXPECT_EQ(parent->subviews(), expected);
    // The subviews' layers follow the same order, and the foreign layer keeps its place.
    std::vector<std::shared_ptr<Layer>> layers{backdrop};
    for (const auto& view : expected) {
      layers.push_back(view->layer());
    }
    EXPECT_EQ(parent->layer()->sublayers(), layers);
  }

  std::shared_ptr<View> parent = View::make({0, 0, 100, 100});
  std::shared_ptr<Layer> backdrop = Layer::make();
  std::shared_ptr<View> a = View::make();
  std::shared_ptr<View> b = View::make();
  std::shared_ptr<View> c = View::make();
  std::shared_ptr<View> d = View::make();
};

TEST_F(SubviewOrder, ReorderingKeepsSubviewsAndLayersInStep) {
  expectOrder({a, b, c, d});
  parent->bringSubviewToFront(*a);
  expectOrder({b, c, d, a});
  parent->sendSubviewToBack(*d);
  expectOrder({d, b, c, a});
  parent->insertSubviewAbove(d, *c);
  expectOrder({b, c, d, a});
  parent->insertSubviewBelow(a, *b);
  expectOrder({a, b, c, d});
  parent->insertSubview(d, 1);
  expectOrder({a, d, b, c});
  parent->exchangeSubview(0, 3);
  expectOrder({c, d, b, a});
  parent->exchangeSubview(1, 2);
  expectOrder({c, b, d, a});
  parent->exchangeSubview(0, 9);
  expectOrder({c, b, d, a});
}

TEST_F(SubviewOrder, RemovingAndAddingElsewhereMovesTheLayerToo) {
  const auto other = View::make();
  other->addSubview(b);
  expectOrder({a, c, d});
  EXPECT_EQ(b->superview(), other);
  EXPECT_EQ(b->layer()->superlayer(), other->layer());

  c->removeFromSuperview();
  expectOrder({a, d});
  EXPECT_EQ(c->superview(), nullptr);
  EXPECT_EQ(c->layer()->superlayer(), nullptr);

  const auto newcomer = View::make();
  parent->insertSubviewBelow(newcomer, *other);  // not a subview: goes on top
  expectOrder({a, d, newcomer});
}

TEST_F(SubviewOrder, AViewCannotBecomeItsOwnDescendant) {
  a->addSubview(b);
  b->addSubview(parent);
  a->addSubview(a);
  EXPECT_EQ(parent->superview(), nullptr);
  EXPECT_EQ(a->superview(), parent);
  EXPECT_EQ(b->superview(), a);
}

// A view that tries to add its part before anything owns it.
class EagerView : public View {
 public:
  static std::shared_ptr<EagerView> make() { return std::make_shared<EagerView>(ConstructionKey{}); }
  explicit EagerView(ConstructionKey key) : View(key, {}), part(View::make()) { addSubview(part); }
  std::shared_ptr<View> part;
};

TEST(SubviewOwnership, AViewStillBeingConstructedTakesNoSubviewsSoNoneIsLeftWithoutItsSuperview) {
  const auto eager = EagerView::make();
  EXPECT_TRUE(eager->subviews().empty());
  EXPECT_EQ(eager->part->superview(), nullptr);
  eager->addSubview(eager->part);
  EXPECT_EQ(eager->part->superview(), eager);
}

TEST(ViewWithTag, FindsTheViewItselfFirstThenSearchesDepthFirst) {
  const auto root = View::make();
  const auto first = View::make();
  const auto firstChild = View::make();
  const auto second = View::make();
  root->addSubview(first);
  first->addSubview(firstChild);
  root->addSubview(second);
  root->setTag(7);
  first->setTag(1);
  firstChild->setTag(2);
  second->setTag(2);
  second->addSubview(View::make());  // tag 0

  EXPECT_EQ(root->viewWithTag(2), firstChild);
  EXPECT_EQ(root->viewWithTag(1), first);
  second->setTag(7);
  EXPECT_EQ(root->viewWithTag(7), root);
  EXPECT_EQ(root->viewWithTag(0), second->subviews().front());
  EXPECT_EQ(root->viewWithTag(42), nullptr);
}

// Records the moving hooks into a shared log.
class RecordingView : public View {
 public:
  static std::shared_ptr<RecordingView> make(std::string name, std::vector<std::string>& log) {
    return std::make_shared<RecordingView>(ConstructionKey{}, std::move(name), log);
  }

  RecordingView(ConstructionKey key, std::string name, std::vector<std::string>& log)
      : View(key, {}), name_(std::move(name)), log_(log) {}

 protected:
  void willMoveToSuperview(View* newSuperview) override {
    log_.push_back(name_ + (newSuperview ? " will move to a superview" : " will leave its superview"));
  }
  void didMoveToSuperview() override { log_.push_back(name_ + " did move to superview"); }
  void didMoveToWindow() override {
    log_.push_back(name_ + (window() ? " entered a window" : " left its window"));
  }
  void didAddSubview(View&) override { log_.push_back(name_ + " added a subview"); }
  void willRemoveSubview(View&) override { log_.push_back(name_ + " will remove a subview"); }
  void tintColorDidChange() override { log_.push_back(name_ + " tint changed"); }

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

TEST(ViewHooks, MovingIntoAndOutOfAWindowRunsTheHooksInOrder) {
  std::vector<std::string> log;
  const auto window = Window::make({0, 0, 100, 100});
  const auto holder = RecordingView::make("holder", log);
  const auto clock = RecordingView::make("clock", log);
  window->addSubview(holder);
  log.clear();

  holder->addSubview(clock);
  holder->addSubview(RecordingView::make("hand", log));
  EXPECT_EQ(log, (std::vector<std::string>{"clock will move to a superview", "clock entered a window",
                                           "clock did move to superview", "holder added a subview",
                                           "hand will move to a superview", "hand entered a window",
                                           "hand did move to superview", "holder added a subview"}));
  log.clear();

  holder->removeFromSuperview();
  EXPECT_EQ(log, (std::vector<std::string>{"holder will leave its superview", "holder left its window",
                                           "clock left its window", "hand left its window",
                                           "holder did move to superview"}));
  EXPECT_EQ(clock->window(), nullptr);
}

TEST(ViewHooks, TintChangesReachEveryViewThatShowsThemAndNoOther) {
  std::vector<std::string> log;
  const auto holder = RecordingView::make("holder", log);
  const auto inheriting = RecordingView::make("inheriting", log);
  const auto ownTint = RecordingView::make("own", log);
  const auto below = RecordingView::make("below", log);
  holder->addSubview(inheriting);
  holder->addSubview(ownTint);
  ownTint->setTintColor(Color{1, 0, 0, 1});
  ownTint->addSubview(below);
  log.clear();

  holder->setTintColor(Color{0, 1, 0, 1});
  holder->setTintColor(Color{0, 1, 0, 1});
  EXPECT_EQ(log, (std::vector<std::string>{"holder tint changed", "inheriting tint changed"}));
  log.clear();

  // Moving under another tint changes what the moved tree shows; under the same one nothing.
  const auto red = View::make();
  red->setTintColor(Color{1, 0, 0, 1});
  red->addSubview(inheriting);
  red->addSubview(ownTint);
  inheriting->removeFromSuperview();
  EXPECT_EQ(log, (std::vector<std::string>{
                     "inheriting will move to a superview", "holder will remove a subview", "inheriting tint changed",
                     "inheriting did move to superview", "own will move to a superview", "holder will remove a subview",
                     "own did move to superview", "inheriting will leave its superview", "inheriting tint changed",
                     "inheriting did move to superview"}));
}

TEST(ViewHooks, MovingWithinTheSameWindowDoesNotTouchWindowMembership) {
  std::vector<std::string> log;
  const auto window = Window::make({0, 0, 100, 100});
  const auto left = View::make();
  const auto right = RecordingView::make("right", log);
  const auto moving = RecordingView::make("moving", log);
  window->addSubview(left);
  window->addSubview(right);
  left->addSubview(moving);
  log.clear();

  right->addSubview(moving);
  EXPECT_EQ(log, (std::vector<std::string>{"moving will move to a superview", "moving did move to superview",
                                           "right added a subview"}));
  EXPECT_EQ(moving->window(), window);
  EXPECT_EQ(window->window(), window);
}

TEST(ViewGeometry, TransformLeavesCenterAndBoundsAndFrameIsTheTransformedBox) {
  const auto view = View::make({10, 20, 100, 50});
  view->setTransform(AffineTransform::identity().scaledBy(2, 2).rotatedBy(std::numbers::pi / 2));
  EXPECT_EQ(view->center(), (Point{60, 45}));
  EXPECT_EQ(view->bounds(), (Rect{0, 0, 100, 50}));
  expectRectNear(view->frame(), {10, -55, 100, 200});

  // Under a transform, setFrame sets what the frame would give with the identity.
  view->setFrame({0, 0, 40, 40});
  EXPECT_EQ(view->center(), (Point{20, 20}));
  EXPECT_EQ(view->bounds(), (Rect{0, 0, 40, 40}));
  expectRectNear(view->frame(), {-20, -20, 80, 80});
  view->setTransform(AffineTransform::identity());
  expectRectNear(view->frame(), {0, 0, 40, 40});
}

TEST(ViewGeometry, SettingBoundsKeepsTheCenter) {
  const auto view = View::make({0, 0, 100, 100});
  view->setBounds({0, 0, 20, 10});
  EXPECT_EQ(view->frame(), (Rect{40, 45, 20, 10}));
}

TEST(Autoresizing, AFlexibleDimensionFollowsTheSuperviewsSizeKeepingItsMargins) {
  struct Case {
    std::uint32_t mask;
    Rect superviewFrame;
    Rect expected;
  };
  constexpr auto both = Autoresizing::flexibleWidth | Autoresizing::flexibleHeight;
  // Subview {10, 5, 60, 20} in a superview of 100 x 50.
  const Case cases[] = {
      {Autoresizing::flexibleWidth, {0, 0, 140, 80}, {10, 5, 100, 20}},
      {Autoresizing::flexibleHeight, {0, 0, 140, 80}, {10, 5, 60, 50}},
      {both, {7, 9, 140, 80}, {10, 5, 100, 50}},
      {both, {0, 0, 90, 40}, {10, 5, 50, 10}},
      {both, {0, 0, 20, 10}, {10, 5, 0, 0}},
      {Autoresizing::none, {0, 0, 140, 80}, {10, 5, 60, 20}},
      {1u | 4u | 8u | 32u, {0, 0, 140, 80}, {10, 5, 60, 20}},
  };
  for (const Case& c : cases) {
    auto superview = View::make({0, 0, 100, 50});
    auto subview = View::make({10, 5, 60, 20});
    subview->setAutoresizingMask(c.mask);
    auto inner = View::make({0, 0, 60, 20});
    inner->setAutoresizingMask(both);
    subview->addSubview(inner);
    superview->addSubview(subview);

    superview->setFrame(c.superviewFrame);
    EXPECT_EQ(subview->frame(), c.expected) << c.mask;
    EXPECT_EQ(inner->frame(), (Rect{0, 0, c.expected.width(), c.expected.height()})) << c.mask << ": nested";
  }
}

TEST(Autoresizing, ABoundsChangeResizesTooButAMoveDoesNot) {
  auto superview = View::make({0, 0, 100, 50});
  auto subview = View::make({0, 0, 100, 50});
  subview->setAutoresizingMask(Autoresizing::flexibleWidth | Autoresizing::flexibleHeight);
  superview->addSubview(subview);

  superview->setFrame({30, 30, 100, 50});
  superview->setCenter({0, 0});
  EXPECT_EQ(subview->frame(), (Rect{0, 0, 100, 50}));
  superview->setBounds({0, 0, 60, 20});
  EXPECT_EQ(subview->frame(), (Rect{0, 0, 60, 20}));
}

class ViewConversion : public ::testing::Test {
 protected:
  void SetUp() override {
    window->addSubview(parent);
    parent->addSubview(child);
    child->setTransform(AffineTransform::scale(2, 2));
  }

  std::shared_ptr<Window> window = Window::make({0, 0, 375, 812});
  std::shared_ptr<View> parent = View::make({100, 100, 200, 200});
  std::shared_ptr<View> child = View::make({10, 10, 50, 50});
};

TEST_F(ViewConversion, PointsGoThroughEveryTransformOnTheWay) {
  // The child is scaled about its center (35, 35) in the parent.
  expectPointNear(child->convertPointToView({0, 0}, parent.get()), {-15, -15});
  expectPointNear(child->convertPointToView({0, 0}, window.get()), {85, 85});
  expectPointNear(child->convertPointToView({0, 0}, nullptr), {85, 85});
  expectPointNear(child->convertPointFromView({85, 85}, nullptr), {0, 0});
  expectPointNear(parent->convertPointFromView({50, 50}, child.get()), {85, 85});
}

TEST_F(ViewConversion, ABoundsOriginShiftsWhatIsInside) {
  parent->setBounds({0, 50, 200, 200});
  expectPointNear(child->convertPointToView({0, 0}, window.get()), {85, 35});
  expectPointNear(window->convertPointToView({85, 35}, child.get()), {0, 0});
}

TEST_F(ViewConversion, RectsBecomeTheBoundingBoxOfTheirImage) {
  child->setTransform(AffineTransform::rotation(std::numbers::pi / 2));
  const std::optional<Rect> inParent = child->convertRectToView({0, 0, 50, 10}, parent.get());
  ASSERT_TRUE(inParent.has_value());
  expectRectNear(*inParent, {50, 10, 10, 50});
  const std::optional<Rect> back = child->convertRectFromView(*inParent, parent.get());
  ASSERT_TRUE(back.has_value());
  expectRectNear(*back, {0, 0, 50, 10});
}

TEST_F(ViewConversion, ViewsOfDifferentWindowsMeetOnTheScreen) {
  const auto otherWindow = Window::make({0, 400, 375, 412});
  expectPointNear(window->convertPointToView({10, 10}, otherWindow.get()), {10, -390});
}

TEST_F(ViewConversion, ACollapsedViewHasNoCoordinates) {
  child->setTransform(AffineTransform::scale(0, 1));
  EXPECT_FALSE(window->convertPointToView({1, 1}, child.get()).has_value());
  EXPECT_TRUE(child->convertPointToView({1, 1}, window.get()).has_value());
}

TEST(ViewAppearance, TintIsInheritedUntilAViewSetsItsOwn) {
  const auto root = View::make();
  const auto child = View::make();
  root->addSubview(child);
  EXPECT_EQ(child->tintColor(), (Color{0, 122.0 / 255.0, 1, 1}));
  root->setTintColor(Color{1, 0, 0, 1});
  EXPECT_EQ(child->tintColor(), (Color{1, 0, 0, 1}));
  child->setTintColor(Color{0, 1, 0, 1});
  EXPECT_EQ(child->tintColor(), (Color{0, 1, 0, 1}));
}

TEST(ViewAppearance, BackgroundIsEitherAColourOrAPattern) {
  const auto view = View::make();
  view->setBackgroundColor(Color{1, 0, 0, 1});
  view->setBackgroundPattern(graphics::Image::blank(2, 2));
  EXPECT_FALSE(view->backgroundColor().has_value());
  EXPECT_TRUE(view->layer()->backgroundPattern().has_value());
  view->setBackgroundColor(Color{0, 0, 1, 1});
  EXPECT_FALSE(view->backgroundPattern().has_value());
  EXPECT_EQ(view->layer()->backgroundColor(), (Color{0, 0, 1, 1}));
}

TEST(ViewAppearance, PropertiesLiveInTheLayer) {
  const auto view = View::make();
  view->setAlpha(0.5);
  view->setHidden(true);
  view->setClipsToBounds(true);
  view->setContentMode(ContentMode::scaleAspectFill);
  const LayerProperties& properties = view->layer()->properties();
  EXPECT_EQ(properties.opacity, 0.5);
  EXPECT_TRUE(properties.hidden);
  EXPECT_TRUE(properties.masksToBounds);
  EXPECT_EQ(view->layer()->contentsGravity(), ContentMode::scaleAspectFill);
}

TEST(ContentMode, ContentsLandWhereTheModeSays) {
  const Rect bounds{0, 0, 100, 50};
  const graphics::Size content{20, 20};
  const std::pair<ContentMode, Rect> cases[] = {
      {ContentMode::scaleToFill, {0, 0, 100, 50}},    {ContentMode::scaleAspectFit, {25, 0, 50, 50}},
      {ContentMode::scaleAspectFill, {0, -25, 100, 100}}, {ContentMode::center, {40, 15, 20, 20}},
      {ContentMode::top, {40, 0, 20, 20}},            {ContentMode::bottom, {40, 30, 20, 20}},
      {ContentMode::left, {0, 15, 20, 20}},           {ContentMode::right, {80, 15, 20, 20}},
      {ContentMode::topLeft, {0, 0, 20, 20}},         {ContentMode::bottomRight, {80, 30, 20, 20}},
  };
  for (const auto& [mode, expected] : cases) {
    EXPECT_EQ(contentRect(mode, content, bounds), expected) << static_cast<int>(mode);
  }
  EXPECT_EQ(contentRect(ContentMode::center, {0, 0}, bounds), bounds);
}

TEST(Screen, AWindowMadeWithoutAFrameCoversTheMainScreen) {
  Screen& screen = Screen::mainScreen();
  const Rect original = screen.bounds();
  screen.setBounds({0, 0, 768, 1024});
  screen.setScale(0);
  screen.setScale(NAN);
  EXPECT_EQ(screen.scale(), 3);
  EXPECT_EQ(Window::make()->frame(), (Rect{0, 0, 768, 1024}));
  screen.setBounds(original);
}

}  // namespace
}  // namespace platform::ui
