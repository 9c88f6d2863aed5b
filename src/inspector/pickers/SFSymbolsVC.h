#pragma once

#include <functional>
#include <memory>
#include <string>

#include "inspector/pickers/PickerListController.h"

namespace vantile {

// Every symbol of the platform's catalogue with its glyph; the chosen name goes to the
// callback given at creation (the editor's setSFSymbolName).
class SFSymbolsVC : public PickerListController {
 public:
  using SymbolChoice = std::function<void(const std::string& symbolName)>;

  static std::shared_ptr<SFSymbolsVC> make(SymbolChoice setSFSymbolName);

  SFSymbolsVC(ConstructionKey key, SymbolChoice setSFSymbolName);

 protected:
  void loadNames() override;
  void showPicture(platform::ui::ImageView& imageView, const std::string& name) const override;
  void choose(const std::string& name) override;

 private:
  SymbolChoice setSFSymbolName_;
};

}  // namespace vantile
