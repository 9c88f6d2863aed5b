#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/graphics/Image.h"
#include "platform/ui/views/View.h"

namespace vantile::hosts {

// One output of a host, written atomically so that a viewer never reads half a file, and named
// on standard output when written. Content equal to what it last wrote leaves the file alone, so
// a live run rewrites only what changed.
class PictureFile {
 public:
  explicit PictureFile(std::filesystem::path path) : path_(std::move(path)) {}

  // The picture of `screen`; false when it cannot be drawn or written.
  bool write(const platform::ui::View& screen);
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::optional<platform::graphics::Image> lastWritten_;
};

class TextFile {
 public:
  explicit TextFile(std::filesystem::path path) : path_(std::move(path)) {}

  bool write(std::string text);
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::optional<std::string> lastWritten_;
};

// The dump of a view tree as the hosts write it: indented, bad UTF-8 replaced.
std::string dumpText(const platform::Value& dump);

}  // namespace vantile::hosts
