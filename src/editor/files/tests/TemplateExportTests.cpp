#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "editor/files/TemplateFileNames.h"
#include "engine/helpers/UserFileNames.h"
#include "editor/files/tests/FilesFixture.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/ValueParsing.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/text/Label.h"

namespace vantile::testing {
namespace {

using platform::Value;

class TemplateExport : public FilesTest {
 protected:
  TemplateExport() {
    Value container = box(10, 20, 200, 100);
    container["children"] = {{"Dot", box(5, 5, 10, 10)}};
    container["childorder"] = "Dot";
    writeTheme("Clock.json", theme({{"Box", container}, {"Label", box(0, 0, 50, 20)}}, {"Box", "Label"}));
    canvas->loadThemeFile("Clock.json");
    canvas->setSelectedElement("Box");
  }

  // The name prompt answered with "Save" after typing the name.
  void exportAs(const std::string& typed) {
    canvas->exportTemplate();
    const auto prompt = alert();
    ASSERT_NE(prompt, nullptr);
    ASSERT_EQ(prompt->textFields().size(), 1U);
    prompt->textFields().front()->setText(typed);
    ASSERT_TRUE(prompt->chooseAction("Save"));
  }
  static std::filesystem::path templateFile(const std::string& fileName) {
    return platform::foundation::devicePath(std::string(kTemplatesFolder) + fileName);
  }
  std::set<std::string> filesInDevice() const {
    std::set<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(device.path())) {
      if (!entry.is_directory()) files.insert(entry.path().string());
    }
    return files;
  }
  long listed(const std::string& name) const { return std::ranges::count(canvas->elementTypes, name); }
};

TEST_F(TemplateExport, ThePromptAsksForANameInAFieldBetweenMessageAndButtons) {
  canvas->exportTemplate();
  const auto prompt = alert();
  ASSERT_NE(prompt, nullptr);
  EXPECT_EQ(prompt->title(), "Vantile");
  EXPECT_EQ(prompt->message(), "Input a template name");
  ASSERT_EQ(prompt->actions().size(), 2U);
  EXPECT_EQ(prompt->actions()[0].title, "Cancel");
  EXPECT_EQ(prompt->actions()[1].title, "Save");
  ASSERT_EQ(prompt->textFields().size(), 1U);
  const auto& field = prompt->textFields().front();
  EXPECT_EQ(field->placeholder(), "Template Name");
  EXPECT_EQ(field->borderStyle(), platform::ui::TextField::BorderStyle::roundedRect);
  EXPECT_EQ(field->clearButtonMode(), platform::ui::TextField::ViewMode::whileEditing);
  ASSERT_NE(field->window(), nullptr);
  for (const auto& part : field->superview()->subviews()) {
    const auto row = std::dynamic_pointer_cast<platform::ui::Label>(part);
    if (row && (row->text() == "Cancel" || row->text() == "Save")) {
      EXPECT_GE(row->frame().y(), field->frame().maxY());
    }
    if (row && row->text() == "Input a template name") {
      EXPECT_LE(row->frame().maxY(), field->frame().y());
    }
  }
  EXPECT_TRUE(prompt->chooseAction("Cancel"));
  EXPECT_EQ(alert(), nullptr);
  EXPECT_FALSE(std::filesystem::exists(platform::foundation::devicePath(std::string(kTemplatesFolder))));
}

TEST_F(TemplateExport, SavingWritesTheWholeElementIntoANewFolderListsItAndConfirms) {
  exportAs("my clock");
  const auto text = platform::foundation::readFile(templateFile("My_clock.json"));
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("\n  \"type\""), std::string::npos);
  EXPECT_EQ(platform::foundation::parseValue(*text), canvas->creatorPreset["PresetView"]["children"]["Box"]);
  EXPECT_EQ(canvas->elementTypes.back(), "My_clock");
  EXPECT_EQ(alertMessage(), "Template added you can find it in the Add New Element menu");
  ASSERT_EQ(alert()->actions().size(), 1U);
  EXPECT_EQ(alert()->actions()[0].title, "Ok");
}

TEST_F(TemplateExport, ANameThatDiffersOnlyInCaseOrSpacingAsksBeforeReplacing) {
  exportAs("my clock");
  alert()->chooseAction("Ok");
  canvas->setSelectedElement("Label");

  exportAs("MY CLOCK");
  EXPECT_EQ(alertMessage(), "Do you wish to update this existing template?");
  alert()->chooseAction("Cancel");
  EXPECT_EQ(platform::foundation::parseValue(*platform::foundation::readFile(templateFile("My_clock.json"))),
            canvas->creatorPreset["PresetView"]["children"]["Box"]);

  exportAs("my_clock");
  ASSERT_TRUE(alert()->chooseAction("Update"));
  EXPECT_EQ(alertMessage(), "Template updated you can find it in the Add New Element menu");
  EXPECT_EQ(platform::foundation::parseValue(*platform::foundation::readFile(templateFile("My_clock.json"))),
            canvas->creatorPreset["PresetView"]["children"]["Label"]);
  EXPECT_EQ(listed("My_clock"), 1);
}

TEST_F(TemplateExport, HostileNamesAreRefusedWithAnAlertAndWriteNothing) {
  const std::set<std::string> before = filesInDevice();
  const std::size_t types = canvas->elementTypes.size();
  const std::vector<std::string> hostile = {"../x", "a/b", ".", "..", ".hidden", "a\\b", "a:b", "", std::string(101, 'a')};
  for (const std::string& typed : hostile) {
    exportAs(typed);
    EXPECT_EQ(alertMessage(), kUserFileNameRule) << typed;
    ASSERT_NE(alert(), nullptr);
    alert()->chooseAction("Ok");
  }
  EXPECT_EQ(filesInDevice(), before);
  EXPECT_EQ(canvas->elementTypes.size(), types);
}

TEST_F(TemplateExport, AFailedWriteIsReportedAndListsNothing) {
  // A file where the templates folder should be.
  device.writeFile(std::string(kTemplatesFolder.substr(0, kTemplatesFolder.size() - 1)), "not a folder");
  exportAs("my clock");
  EXPECT_EQ(alertMessage(), "The template could not be saved.");
  EXPECT_EQ(listed("My_clock"), 0);
}

TEST_F(TemplateExport, WithoutASelectedElementNothingIsWrittenAndTheFailureIsReported) {
  canvas->setSelectedElement("none");
  exportAs("my clock");
  EXPECT_EQ(alertMessage(), "The template could not be saved.");
  EXPECT_FALSE(platform::foundation::fileExists(templateFile("My_clock.json")));
}

}  // namespace
}  // namespace vantile::testing
