#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/builders/ElementFactory.h"
#include "engine/ElementTemplateFactory.h"
#include "platform/ui/views/View.h"

namespace vantile {
namespace {

using platform::Value;

constexpr platform::graphics::Rect kScreen{0, 0, 375, 812};

const std::vector<std::string> kBuiltTypes = ElementTemplateFactory::sharedInstance().basicElementTypes();

TEST(ElementFactory, HasABuilderForExactlyTheFifteenCreatableTypes) {
  ASSERT_EQ(kBuiltTypes.size(), 15u);
  for (const std::string& type : kBuiltTypes) EXPECT_TRUE(ElementFactory::builderForType(type)) << type;
  for (const char* type : {"UITextView", "WKWebView", "uilabel", "UILabel ", ""}) {
    EXPECT_FALSE(ElementFactory::builderForType(type)) << type;
  }
}

TEST(ElementFactory, BuildsEveryTemplateWithTheTagAndTheResolvedFrame) {
  for (const std::string& type : kBuiltTypes) {
    const auto description = ElementTemplateFactory::sharedInstance().templateForType(type);
    ASSERT_TRUE(description) << type;
    const auto view = (*ElementFactory::builderForType(type))(*description, 42, kScreen);
    ASSERT_TRUE(view) << type;
    EXPECT_EQ(view->tag(), 42) << type;
    EXPECT_FALSE(view->superview()) << type << ": builders attach nothing";
  }
}

// Every key any template knows, so odd values reach every reading step.
std::vector<std::string> everyTemplateKey() {
  std::vector<std::string> keys;
  for (const std::string& type : ElementTemplateFactory::sharedInstance().basicElementTypes()) {
    const Value description = *ElementTemplateFactory::sharedInstance().templateForType(type);
    for (const auto& [key, value] : description.items()) keys.push_back(key);
  }
  return keys;
}

Value everyKeySetTo(const Value& odd) {
  Value description = Value::object();
  for (const std::string& key : everyTemplateKey()) description[key] = odd;
  return description;
}

TEST(ElementFactory, BuildersNeverThrowOnOddDescriptions) {
  const std::vector<Value> oddDescriptions{
      Value(),
      Value::array({1, 2}),
      Value("UIView"),
      Value::parse(R"json({"frame": "center"})json"),
      Value::parse(R"json({"frame": {"x": {"a": 1}, "y": [1], "width": null, "height": true}})json"),
      Value::parse(R"json({"frame": {"x": 10, "y": 20, "width": 100, "height": 50}, "cornerRadius": 8,
                      "boxShadow": {"color": 5}, "innerShadow": "rgba(0,0,0,1)"})json"),
      everyKeySetTo(Value::object({{"color", "rgba(0,0,0,1)"}})),
      everyKeySetTo(Value(-1e300)),
      everyKeySetTo(Value("1e999")),
      everyKeySetTo(Value("rgba(")),
      everyKeySetTo(Value("")),
      everyKeySetTo(Value::array()),
  };
  for (const std::string& type : kBuiltTypes) {
    const ElementFactory::Builder builder = *ElementFactory::builderForType(type);
    for (const Value& description : oddDescriptions) {
      EXPECT_NO_THROW(builder(description, 1, kScreen)) << type << " with " << description.dump();
    }
  }
}

}  // namespace
}  // namespace vantile
