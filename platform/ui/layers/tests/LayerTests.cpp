#include "platform/ui/layers/Layer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/ui/layers/GradientLayer.h"
#include "platform/ui/layers/ShapeLayer.h"

namespace platform::ui {
namespace {

using graphics::AffineTransform;
using graphics::Color;
using graphics::Point;
using graphics::Rect;

void expectRectNear(const Rect& actual, const Rect& expected) {
  EXPECT_NEAR(actual.x(), expected.x(), 1e-9);
  EXPECT_NEAR(actual.y(), expected.y(), 1e-9);
  EXPECT_NEAR(actual.width(), expected.width(), 1e-9);
  EXPECT_NEAR(actual.height(), expected.height(), 1e-9);
}

std::vector<Layer*> sublayersOf(const Layer& layer) {
  std::vector<Layer*> layers;
  for (const auto& sublayer : layer.sublayers()) {
    layers.push_back(sublayer.get());
  }
  return layers;
}

TEST(LayerGeometry, FrameComesFromPositionBoundsAndAnchorPoint) {
  const auto layer = Layer::make();
  layer->setBounds({0, 0, 100, 40});
  layer->setPosition({50, 50});
  EXPECT_EQ(layer->frame(), (Rect{0, 30, 100, 40}));

  // Moving the anchor keeps the position, so the frame moves.
  layer->setAnchorPoint({0, 0});
  EXPECT_EQ(layer->frame(), (Rect{50, 50, 100, 40}));
}

TEST(LayerGeometry, TransformTurnsTheLayerAroundItsAnchorPoint) {
  const auto layer = Layer::make();
  layer->setFrame({0, 0, 100, 40});
  layer->setTransform(AffineTransform::rotation(std::numbers::pi / 2));
  expectRectNear(layer->frame(), {30, -30, 40, 100});

  layer->setAnchorPoint({0, 0});
  layer->setPosition({0, 0});
  expectRectNear(layer->frame(), {-40, 0, 40, 100});
}

TEST(LayerGeometry, SetFrameUnderATransformSetsWhatTheIdentityWouldGive) {
  const auto layer = Layer::make();
  layer->setBounds({5, 5, 1, 1});
  layer->setTransform(AffineTransform::scale(2, 2));
  layer->setFrame({10, 10, 20, 30});
  EXPECT_EQ(layer->position(), (Point{20, 25}));
  EXPECT_EQ(layer->bounds(), (Rect{5, 5, 20, 30}));
  expectRectNear(layer->frame(), {0, -5, 40, 60});
}

TEST(LayerGeometry, WithTheIdentityTransformTheFrameReadsBackExactlyAsSet) {
  // Through the centre these come back a last bit off: 98.333… + 20 − 20, 0.1 + 20 − 20.
  const Rect frames[] = {{295.0 / 3, 10, 40, 20}, {0.1, 0.7, 40, 30.3}, {1e-9, -1e-9, 1e9, 3}};
  for (const Rect& frame : frames) {
    const auto layer = Layer::make();
    layer->setFrame(frame);
    EXPECT_EQ(layer->frame(), frame);

    layer->setBounds({7, 7, frame.width(), frame.height()});
    EXPECT_EQ(layer->frame(), frame) << "the bounds origin does not move the frame";
    layer->setTransform(AffineTransform::scale(2, 2));
    layer->setTransform({});
    EXPECT_EQ(layer->frame(), frame) << "a transform undone gives the frame back";
  }
  // Anything that moves the layer afterwards is read from the new geometry.
  const auto layer = Layer::make();
  layer->setFrame({0.1, 0, 40, 10});
  layer->setPosition({50, 50});
  EXPECT_EQ(layer->frame(), (Rect{30, 45, 40, 10}));
  layer->setFrame({0.1, 0, 40, 10});
  layer->setAnchorPoint({0, 0});
  EXPECT_EQ(layer->frame().x(), 0.1 + 20);
  layer->setFrame({0, 0, 40, 10});
  layer->setBounds({0, 0, 20, 10});
  EXPECT_EQ(layer->frame(), (Rect{0, 0, 20, 10})) << "anchored at its top left now";
}

TEST(LayerGeometry, BadValuesAreRefusedAndTheOldOnesKept) {
  const auto layer = Layer::make();
  layer->setFrame({1, 2, 3, 4});
  layer->setFrame({NAN, 0, 1, 1});
  layer->setPosition({INFINITY, 0});
  layer->setTransform(AffineTransform::scale(NAN, 1));
  EXPECT_EQ(layer->frame(), (Rect{1, 2, 3, 4}));
  EXPECT_TRUE(layer->transform().isIdentity());

  layer->setOpacity(3);
  EXPECT_EQ(layer->opacity(), 1);
  layer->setOpacity(-1);
  EXPECT_EQ(layer->opacity(), 0);
  layer->setOpacity(NAN);
  EXPECT_EQ(layer->opacity(), 0);
}

TEST(LayerTree, InsertOperationsPlaceSublayersInOrder) {
  const auto root = Layer::make();
  const auto a = Layer::make();
  const auto b = Layer::make();
  const auto c = Layer::make();
  const auto d = Layer::make();
  root->addSublayer(a);
  root->addSublayer(b);
  root->insertSublayer(c, 1);
  EXPECT_EQ(sublayersOf(*root), (std::vector<Layer*>{a.get(), c.get(), b.get()}));
  root->insertSublayerBelow(d, *a);
  EXPECT_EQ(sublayersOf(*root), (std::vector<Layer*>{d.get(), a.get(), c.get(), b.get()}));
  root->insertSublayerAbove(d, *b);
  EXPECT_EQ(sublayersOf(*root), (std::vector<Layer*>{a.get(), c.get(), b.get(), d.get()}));
  root->insertSublayer(a, 99);
  EXPECT_EQ(sublayersOf(*root), (std::vector<Layer*>{c.get(), b.get(), d.get(), a.get()}));
  EXPECT_EQ(a->superlayer(), root);
}

TEST(LayerTree, AddingALayerTakesItFromItsOldSuperlayer) {
  const auto first = Layer::make();
  const auto second = Layer::make();
  const auto child = Layer::make();
  first->addSublayer(child);
  second->addSublayer(child);
  EXPECT_TRUE(first->sublayers().empty());
  EXPECT_EQ(child->superlayer(), second);

  child->removeFromSuperlayer();
  EXPECT_TRUE(second->sublayers().empty());
  EXPECT_EQ(child->superlayer(), nullptr);
}

TEST(LayerTree, ALayerCannotBecomeItsOwnDescendant) {
  const auto root = Layer::make();
  const auto child = Layer::make();
  root->addSublayer(child);
  child->addSublayer(root);
  root->addSublayer(root);
  EXPECT_EQ(root->superlayer(), nullptr);
  EXPECT_EQ(sublayersOf(*root), (std::vector<Layer*>{child.get()}));
  EXPECT_TRUE(child->sublayers().empty());
}

TEST(LayerTree, ALayerInATreeOrTheLayerItselfIsRefusedAsMask) {
  const auto layer = Layer::make();
  const auto sublayer = Layer::make();
  layer->addSublayer(sublayer);
  layer->setMask(sublayer);
  layer->setMask(layer);
  EXPECT_EQ(layer->mask(), nullptr);

  const auto mask = Layer::make();
  layer->setMask(mask);
  EXPECT_EQ(layer->mask(), mask);
  EXPECT_EQ(mask->superlayer(), nullptr);
}

TEST(LayerValues, KeyedValuesAreStoredAndNullRemovesThem) {
  const auto layer = Layer::make();
  EXPECT_FALSE(layer->value("rotation").has_value());
  layer->setValue("rotation", 1.5);
  layer->setValue("info", Value{{"name", "hand"}});
  EXPECT_EQ(layer->value("rotation"), Value(1.5));
  EXPECT_EQ(layer->value("info")->at("name"), "hand");
  layer->setValue("rotation", nullptr);
  EXPECT_FALSE(layer->value("rotation").has_value());
}

TEST(LayerValues, TheNameIsSetByKeyAndOtherKeysAreNotProperties) {
  const auto layer = Layer::make();
  EXPECT_FALSE(layer->setValueForKey("name", std::string("x~frame")));
  EXPECT_EQ(layer->name(), "x~frame");
  EXPECT_FALSE(layer->setValueForKey("name", std::int64_t{7}));
  EXPECT_EQ(layer->name(), "7");
  EXPECT_TRUE(layer->setValueForKey("name", Color{}));
  EXPECT_EQ(layer->name(), "7");
  EXPECT_FALSE(layer->setValueForKey("name", std::monostate{}));
  EXPECT_FALSE(layer->name());

  // A key the layer has no property for is refused as a property and is not stored either.
  EXPECT_FALSE(layer->respondsToKey("elementName"));
  EXPECT_TRUE(layer->setValueForKey("elementName", std::string("clock")));
  EXPECT_FALSE(layer->value("elementName"));
}

TEST(GradientLayer, StopsUseTheLocationsOnlyWhenThereIsOnePerColour) {
  const auto gradient = GradientLayer::make();
  const Color red{1, 0, 0, 1};
  const Color green{0, 1, 0, 1};
  const Color blue{0, 0, 1, 1};
  gradient->setColors({red, green, blue});
  EXPECT_EQ(gradient->resolvedStops(), (std::vector<GradientStop>{{0, red}, {0.5, green}, {1, blue}}));

  gradient->setLocations(std::vector<double>{0.1, 0.2, 0.9});
  EXPECT_EQ(gradient->resolvedStops(), (std::vector<GradientStop>{{0.1, red}, {0.2, green}, {0.9, blue}}));

  gradient->setLocations(std::vector<double>{0.3});
  EXPECT_EQ(gradient->resolvedStops()[1].location, 0.5);
  gradient->setLocations(std::vector<double>{0, NAN, 1});
  EXPECT_EQ(gradient->resolvedStops()[1].location, 0.5);
}

TEST(ShapeLayer, StrokeRangeIsClampedAndBadWidthsRefused) {
  const auto shape = ShapeLayer::make();
  shape->setStrokeStart(-0.5);
  shape->setStrokeEnd(2);
  shape->setLineWidth(-1);
  shape->setLineWidth(NAN);
  EXPECT_EQ(shape->strokeStart(), 0);
  EXPECT_EQ(shape->strokeEnd(), 1);
  EXPECT_EQ(shape->lineWidth(), 1);
  EXPECT_EQ(shape->fillColor(), (Color{0, 0, 0, 1}));
  EXPECT_FALSE(shape->strokeColor().has_value());
}

}  // namespace
}  // namespace platform::ui
