#include "inspector/pickers/SFSymbolsVC.h"

#include "platform/graphics/SymbolCatalogue.h"
#include "platform/ui/views/ImageView.h"
#include "platform/ui/views/Screen.h"

namespace vantile {

namespace ui = platform::ui;
namespace graphics = platform::graphics;

namespace {
constexpr graphics::SymbolConfiguration kRowSymbol{20, graphics::SymbolWeight::regular, graphics::SymbolScale::large};
constexpr graphics::Color kGlyphTint{0.56, 0.56, 0.58, 1};
}  // namespace

std::shared_ptr<SFSymbolsVC> SFSymbolsVC::make(SymbolChoice setSFSymbolName) {
  return std::make_shared<SFSymbolsVC>(ConstructionKey{}, std::move(setSFSymbolName));
}

SFSymbolsVC::SFSymbolsVC(ConstructionKey key, SymbolChoice setSFSymbolName)
    : PickerListController(key, NameCase::asGiven), setSFSymbolName_(std::move(setSFSymbolName)) {}

void SFSymbolsVC::loadNames() {
  symbols.clear();
  for (const std::string_view name : graphics::systemSymbolNames()) symbols.emplace_back(name);
  listData = symbols;
}

void SFSymbolsVC::showPicture(ui::ImageView& imageView, const std::string& name) const {
  imageView.setImage(graphics::systemSymbol(name, kRowSymbol, ui::Screen::mainScreen().scale()));
  imageView.setRenderingMode(ui::ImageRenderingMode::alwaysTemplate);
  imageView.setTintColor(kGlyphTint);
}

void SFSymbolsVC::choose(const std::string& name) {
  if (setSFSymbolName_) setSFSymbolName_(name);
}

}  // namespace vantile
