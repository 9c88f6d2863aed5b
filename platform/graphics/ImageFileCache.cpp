#include "platform/graphics/ImageFileCache.h"

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/graphics/ImageCodec.h"

#include <list>
#include <mutex>
#include <string>
#include <unordered_map>

namespace platform::graphics {

namespace {

// Enough for every picture of two themes; the least recently used goes first.
constexpr std::size_t kCapacity = 128;

struct FileStamp {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type modified;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

std::optional<FileStamp> stampOf(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  const auto modified = std::filesystem::last_write_time(file, error);
  if (error) return std::nullopt;
  return FileStamp{size, modified};
}

class Cache {
 public:
  std::optional<Image> lookUp(const std::string& key, const FileStamp& stamp) {
    const std::lock_guard lock(mutex_);
    const auto found = entries_.find(key);
    if (found == entries_.end() || !(found->second->stamp == stamp)) return std::nullopt;
    order_.splice(order_.begin(), order_, found->second);
    return found->second->image;
  }

  void store(const std::string& key, const FileStamp& stamp, const Image& image) {
    const std::lock_guard lock(mutex_);
    if (const auto found = entries_.find(key); found != entries_.end()) {
      order_.erase(found->second);
      entries_.erase(found);
    }
    order_.push_front(Entry{key, stamp, image});
    entries_[key] = order_.begin();
    if (order_.size() > kCapacity) {
      entries_.erase(order_.back().key);
      order_.pop_back();
    }
  }

 private:
  struct Entry {
    std::string key;
    FileStamp stamp;
    Image image;
  };
  std::mutex mutex_;
  std::list<Entry> order_;
  std::unordered_map<std::string, std::list<Entry>::iterator> entries_;
};

Cache& cache() {
  static Cache shared;
  return shared;
}

}  // namespace

std::optional<Image> imageFromFile(const std::filesystem::path& requested) {
  const auto file = foundation::pathInsideDeviceRoot(requested);
  if (!file) return std::nullopt;
  const auto stamp = stampOf(*file);
  if (!stamp) return std::nullopt;
  const std::string key = file->string();
  if (auto image = cache().lookUp(key, *stamp)) return image;

  const auto bytes = foundation::readFile(*file);
  auto image = bytes ? decodeImage(*bytes) : std::nullopt;
  // Stamped before reading, so a write racing the read is seen as a change next time.
  if (image) cache().store(key, *stamp, *image);
  return image;
}

}  // namespace platform::graphics
