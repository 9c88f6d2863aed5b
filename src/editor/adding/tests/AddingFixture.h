#pragma once

#include <string>

#include "editor/editing/tests/EditingFixture.h"
#include "editor/files/TemplateFileNames.h"
#include "platform/foundation/files/Bundle.h"

namespace vantile::testing {

// The editor over the editing theme, with template files written into the templates folder or
// the settings bundle.
class AddingTest : public EditingTest {
 protected:
  static constexpr const char* kBundleFolder = "/Library/PreferenceBundles/vantileprefs.bundle/";

  ~AddingTest() override { platform::foundation::Bundle::main().setResourceFolder(""); }

  void writeTemplate(const std::string& name, const std::string& text) const {
    device.writeFile(std::string(kTemplatesFolder) + name + ".json", text);
  }
  void writeBundledTemplate(const std::string& name, const std::string& text) const {
    platform::foundation::Bundle::main().setResourceFolder(kBundleFolder);
    device.writeFile(std::string(kBundleFolder) + name + ".json", text);
  }

  static std::string alertMessage() {
    const auto shown = shownAlert();
    return shown ? shown->message().value_or("") : "(no alert)";
  }
  static void closeAlert(const std::string& button) {
    if (const auto shown = shownAlert()) shown->chooseAction(button);
  }

  const platform::Value& rootChildren() const { return canvas->creatorPreset["PresetView"]["children"]; }
};

}  // namespace vantile::testing
