#include "platform/graphics/FontRegistry.h"

#include "platform/graphics/FontFamilies.h"
#include "platform/graphics/FontRegistryTesting.h"
#include "platform/graphics/PangoFonts.h"
#include "platform/graphics/TextMeasurement.h"

#include <gtest/gtest.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <unistd.h>

namespace platform::graphics {
namespace {

namespace fs = std::filesystem;

const fs::path kInterFolder = "/usr/share/fonts/opentype/inter";
const fs::path kInterRegular = kInterFolder / "Inter-Regular.otf";
const fs::path kInterBold = kInterFolder / "Inter-Bold.otf";
const fs::path kInterSemiBoldItalic = kInterFolder / "Inter-SemiBoldItalic.otf";
const fs::path kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A fresh folder for one test, removed afterwards.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    path_ = fs::temp_directory_path() / ("vantile-fonts-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(counter_++));
    fs::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  fs::path write(const std::string& name, const std::string& contents) const {
    fs::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << contents;
    return file;
  }
  const fs::path& path() const { return path_; }

 private:
  static inline int counter_ = 0;
  fs::path path_;
};

TEST(FontRegistryTests, SystemFontIsInstalled) {
  // The project installs fonts-inter (scripts/setup); every other test relies on it.
  ASSERT_TRUE(fs::is_regular_file(kInterRegular));
  EXPECT_EQ(FontRegistry::shared().systemFontFamily(), "Inter");
}

TEST(FontRegistryTests, SharedIsOneRegistry) {
  EXPECT_EQ(&FontRegistry::shared(), &FontRegistry::shared());
}

TEST(FontRegistryTests, RegisteringInterGivesItsPostScriptName) {
  EXPECT_EQ(FontRegistry::shared().registerFontFile(kInterRegular), "Inter-Regular");
  EXPECT_EQ(FontRegistry::shared().registerFontFile(kInterBold), "Inter-Bold");
  EXPECT_EQ(FontRegistry::shared().registerFontFile(kInterSemiBoldItalic), "Inter-SemiBoldItalic");
}

TEST(FontRegistryTests, RegisteringTwiceGivesTheSameName) {
  auto& registry = FontRegistry::shared();
  auto first = registry.registerFontFile(kInterBold);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(registry.registerFontFile(kInterBold), first);
  // The same file by another path.
  EXPECT_EQ(registry.registerFontFile(kInterFolder / ".." / "inter" / "Inter-Bold.otf"), first);
}

TEST(FontRegistryTests, ACopyOfAFontUnderAnotherPathHasTheSameName) {
  TemporaryFolder folder;
  fs::path copy = folder.path() / "Copy.otf";
  fs::copy_file(kInterRegular, copy);
  EXPECT_EQ(FontRegistry::shared().registerFontFile(copy), "Inter-Regular");
  EXPECT_EQ(FontRegistry::shared().registerFontFile(copy), "Inter-Regular");
}

TEST(FontRegistryTests, MissingFileGivesNothing) {
  TemporaryFolder folder;
  EXPECT_EQ(FontRegistry::shared().registerFontFile(folder.path() / "Missing.otf"), std::nullopt);
  EXPECT_EQ(FontRegistry::shared().registerFontFile(""), std::nullopt);
}

TEST(FontRegistryTests, ZeroByteFileGivesNothing) {
  TemporaryFolder folder;
  EXPECT_EQ(FontRegistry::shared().registerFontFile(folder.write("Empty.otf", "")), std::nullopt);
}

TEST(FontRegistryTests, TextFileGivesNothing) {
  TemporaryFolder folder;
  fs::path file = folder.write("Notes.ttf", "This is not a font, only some text.\n");
  EXPECT_EQ(FontRegistry::shared().registerFontFile(file), std::nullopt);
  // Still nothing the second time (a failure is not remembered as a name).
  EXPECT_EQ(FontRegistry::shared().registerFontFile(file), std::nullopt);
}

TEST(FontRegistryTests, TruncatedFontGivesNothing) {
  std::ifstream in(kInterRegular, std::ios::binary);
  std::string head(64, '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  TemporaryFolder folder;
  EXPECT_EQ(FontRegistry::shared().registerFontFile(folder.write("Truncated.otf", head)), std::nullopt);
}

TEST(FontRegistryTests, FolderGivesNothing) {
  TemporaryFolder folder;
  EXPECT_EQ(FontRegistry::shared().registerFontFile(folder.path()), std::nullopt);
  EXPECT_EQ(FontRegistry::shared().registerFontFile(kInterFolder), std::nullopt);
}

TEST(FontRegistryTests, FontsOfTheMachineAreNotSeenUntilRegistered) {
  // DejaVu Serif is on most Debian machines (fontconfig depends on DejaVu) but no test
  // registers it: it must not be found.
  for (const char* name : {"DejaVuSerif", "DejaVu Serif", "DejaVuSans-Bold", "sans-serif", "monospace"}) {
    auto description = fontDescriptionFor(Font{name, 12});
    EXPECT_STREQ(pango_font_description_get_family(description.get()), "Inter") << name;
    EXPECT_EQ(measureText("Hamburgefonstiv", Font{name, 12}), measureText("Hamburgefonstiv", systemFont(12)))
        << name;
  }
}

TEST(FontRegistryTests, FontconfigAndPangoKnowOnlyTheRegisteredFonts) {
  auto& registry = FontRegistry::shared();
  auto lock = lockFonts();
  FcConfig* config = FcConfigGetCurrent();
  EXPECT_EQ(pango_fc_font_map_get_config(PANGO_FC_FONT_MAP(fontMap())), config);

  // No font folders: the machine's fonts are not there.
  FcFontSet* system = FcConfigGetFonts(config, FcSetSystem);
  EXPECT_TRUE(system == nullptr || system->nfont == 0);

  // Every Inter-*.otf of the folder, and no Inter Display.
  size_t interFiles = 0;
  for (const auto& entry : fs::directory_iterator(kInterFolder)) {
    std::string name = entry.path().filename().string();
    if (name.starts_with("Inter-") && name.ends_with(".otf")) ++interFiles;
  }
  EXPECT_EQ(interFiles, 18u);
  std::set<std::string> registeredInterFiles;
  FcFontSet* application = FcConfigGetFonts(config, FcSetApplication);
  ASSERT_NE(application, nullptr);
  for (int i = 0; i < application->nfont; ++i) {
    FcChar8* file = nullptr;
    ASSERT_EQ(FcPatternGetString(application->fonts[i], FC_FILE, 0, &file), FcResultMatch);
    fs::path path(reinterpret_cast<const char*>(file));
    EXPECT_FALSE(path.filename().string().starts_with("InterDisplay")) << path;
    if (path.parent_path() == kInterFolder) registeredInterFiles.insert(path.filename().string());
  }
  EXPECT_EQ(registeredInterFiles.size(), interFiles);

  // Pango's families: Inter, what other tests of this process registered, and Pango's aliases.
  const std::set<std::string> allowed = {"Inter", "DejaVu Sans", "Sans", "Serif", "Monospace", "System-ui"};
  PangoFontFamily** families = nullptr;
  int familyCount = 0;
  pango_font_map_list_families(fontMap(), &families, &familyCount);
  GCharHandle familiesMemory(reinterpret_cast<gchar*>(families));
  for (int i = 0; i < familyCount; ++i) {
    EXPECT_TRUE(allowed.contains(pango_font_family_get_name(families[i])))
        << pango_font_family_get_name(families[i]);
  }
  EXPECT_EQ(registry.systemFontFamily(), "Inter");
}

TEST(FontRegistryTests, PangoFallsBackToTheSystemFontForFamiliesOfTheMachine) {
  auto lock = lockFonts();
  auto context = createPangoContext();
  for (const char* family : {"DejaVu Serif", "Liberation Sans", "sans-serif", "monospace"}) {
    PangoFontDescriptionHandle description(pango_font_description_from_string("Sans 12"));
    pango_font_description_set_family(description.get(), family);
    PangoFontHandle font(pango_context_load_font(context.get(), description.get()));
    ASSERT_TRUE(font) << family;
    PangoFontDescriptionHandle loaded(pango_font_describe(font.get()));
    EXPECT_STREQ(pango_font_description_get_family(loaded.get()), "Inter") << family;
  }
}

TEST(FontRegistryTests, AFontRegisteredAtRunTimeIsUsed) {
  if (!fs::is_regular_file(kDejaVuSans)) GTEST_SKIP() << kDejaVuSans << " is not on this machine";
  auto name = FontRegistry::shared().registerFontFile(kDejaVuSans);
  ASSERT_EQ(name, "DejaVuSans");

  auto description = fontDescriptionFor(Font{"DejaVuSans", 12});
  EXPECT_STREQ(pango_font_description_get_family(description.get()), "DejaVu Sans");
  EXPECT_EQ(pango_font_description_get_weight(description.get()), PANGO_WEIGHT_NORMAL);

  // Pango itself picks the new font: it sets text differently from Inter.
  auto context = createPangoContext();
  PangoFontHandle font(pango_context_load_font(context.get(), description.get()));
  ASSERT_TRUE(font);
  PangoFontDescriptionHandle loaded(pango_font_describe(font.get()));
  EXPECT_STREQ(pango_font_description_get_family(loaded.get()), "DejaVu Sans");

  Size dejaVu = measureText("Hamburgefonstiv", Font{"DejaVuSans", 12});
  EXPECT_NE(dejaVu, measureText("Hamburgefonstiv", systemFont(12)));
  EXPECT_EQ(measureText("Hamburgefonstiv", Font{"DejaVu Sans", 12}), dejaVu);
}

TEST(FontRegistryTests, WithoutTheSystemFontItLogsOneLineAndKeepsWorking) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process, where the registry is new
  EXPECT_EXIT(
      {
        setSystemFontDirectoryForTesting("/nonexistent/vantile/fonts");
        Size size = measureText("Hello", systemFont(12));
        bool sane = size.width >= 0 && size.height >= 0;
        auto bold = FontRegistry::shared().registerFontFile(kInterBold);
        Size boldSize = measureText("Hello", Font{"Inter-Bold", 12});
        bool boldWorks = bold == "Inter-Bold" && boldSize.width > 0 && boldSize.height > 12;
        std::fflush(stderr);
        // _Exit: the leak check at exit is not this test's business.
        std::_Exit(sane && boldWorks ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "^FontRegistry: the system font is missing [^\n]*fonts-inter[^\n]*\n$");
}

TEST(FontFamilies, TheSystemFontIsListedWithItsPostScriptNames) {
  const std::vector<FontFamily> families = fontFamilies();
  const auto system = std::ranges::find(families, FontRegistry::shared().systemFontFamily(), &FontFamily::name);
  ASSERT_NE(system, families.end());
  EXPECT_NE(std::ranges::find(system->fontNames, "Inter-Regular"), system->fontNames.end());
}

}  // namespace
}  // namespace platform::graphics
