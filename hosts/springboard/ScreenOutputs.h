#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/graphics/Image.h"
#include "platform/ui/views/View.h"

namespace vantile::springboard {

// Where the pictures of the two screens and the dump of their view trees go; each is optional.
struct OutputPaths {
  std::optional<std::filesystem::path> lockPng;
  std::optional<std::filesystem::path> homePng;
  std::optional<std::filesystem::path> dump;
};

// Writes the outputs atomically, so that a viewer never reads half a file, and names each file
// written on standard output. An output whose content is what it last wrote is left alone, so a
// live run rewrites only what changed.
class ScreenOutputs {
 public:
  explicit ScreenOutputs(OutputPaths paths) : paths_(std::move(paths)) {}

  // False, with a log line, when an output cannot be written.
  // `state`: what SpringBoard shows besides the views, for the dump.
  bool write(const platform::ui::View& lockScreen, const platform::ui::View& homeScreen,
             const platform::Value& state = platform::Value());

 private:
  bool writePicture(const platform::ui::View& screen, const std::filesystem::path& file,
                    std::optional<platform::graphics::Image>& lastWritten);

  OutputPaths paths_;
  std::optional<platform::graphics::Image> lastLockPicture_;
  std::optional<platform::graphics::Image> lastHomePicture_;
  std::optional<std::string> lastDump_;
};

}  // namespace vantile::springboard
