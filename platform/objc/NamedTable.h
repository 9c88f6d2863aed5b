#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace platform::objc {

// Entries by name behind their own lock: tables are filled from library constructors on
// whatever thread loads them and read on the main thread. Entries are handed out as copies,
// so nothing is called with the lock held.
template <class Entry>
class NamedTable {
 public:
  std::optional<Entry> find(std::string_view name) const {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = entries_.find(name);
    return found == entries_.end() ? std::nullopt : std::optional<Entry>(found->second);
  }

  // False, leaving the table as it was, when the name is taken.
  bool add(std::string_view name, Entry entry) {
    const std::lock_guard<std::mutex> lock(mutex_);
    return entries_.try_emplace(std::string(name), std::move(entry)).second;
  }

  // The entry that was there before, if any.
  std::optional<Entry> replace(std::string_view name, Entry entry) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = entries_.find(name);
    if (found == entries_.end()) {
      entries_.emplace(std::string(name), std::move(entry));
      return std::nullopt;
    }
    return std::exchange(found->second, std::move(entry));
  }

 private:
  mutable std::mutex mutex_;
  std::map<std::string, Entry, std::less<>> entries_;
};

}  // namespace platform::objc
