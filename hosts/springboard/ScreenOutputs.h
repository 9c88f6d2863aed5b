#pragma once

#include <filesystem>
#include <optional>

#include "hosts/common/OutputFiles.h"
#include "platform/foundation/values/Value.h"
#include "platform/ui/views/View.h"

namespace vantile::springboard {

// Where the pictures of the two screens and the dump of their view trees go; each is optional.
struct OutputPaths {
  std::optional<std::filesystem::path> lockPng;
  std::optional<std::filesystem::path> homePng;
  std::optional<std::filesystem::path> dump;
};

// {"lockscreen": <tree>, "homescreen": <tree>}, and "springboard": `state` when it is an object.
platform::Value dumpScreens(const platform::ui::View& lockScreen, const platform::ui::View& homeScreen,
                            const platform::Value& state = platform::Value());

// The two screens' outputs, each file rewritten only when its content changed.
class ScreenOutputs {
 public:
  explicit ScreenOutputs(const OutputPaths& paths);

  // False, with a log line, when an output cannot be written.
  // `state`: what SpringBoard shows besides the views, for the dump.
  bool write(const platform::ui::View& lockScreen, const platform::ui::View& homeScreen,
             const platform::Value& state = platform::Value());

 private:
  std::optional<hosts::PictureFile> lockPicture_;
  std::optional<hosts::PictureFile> homePicture_;
  std::optional<hosts::TextFile> dump_;
};

}  // namespace vantile::springboard
