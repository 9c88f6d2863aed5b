#include "platform/foundation/values/ValueParsing.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace platform::foundation {

namespace {

// Below this many keys a dictionary is searched key by key; from it on through a table.
constexpr std::size_t kKeyTableThreshold = 16;

class LinearBuilder {
 public:
  using number_integer_t = Value::number_integer_t;
  using number_unsigned_t = Value::number_unsigned_t;
  using number_float_t = Value::number_float_t;
  using string_t = Value::string_t;
  using binary_t = Value::binary_t;

  bool null() { return place(Value(nullptr)), true; }
  bool boolean(bool value) { return place(Value(value)), true; }
  bool number_integer(number_integer_t value) { return place(Value(value)), true; }
  bool number_unsigned(number_unsigned_t value) { return place(Value(value)), true; }
  bool number_float(number_float_t value, const string_t&) { return place(Value(value)), true; }
  bool string(string_t& value) { return place(Value(std::move(value))), true; }
  bool binary(binary_t& value) { return place(Value::binary(std::move(value))), true; }

  bool start_object(std::size_t) { return open(Value::object()); }
  bool start_array(std::size_t) { return open(Value::array()); }
  bool end_object() { return close(); }
  bool end_array() { return close(); }

  bool key(string_t& key) {
    Level& level = levels_.back();
    level.pendingSlot = slotFor(level, key);
    if (!level.pendingSlot) {
      if (!level.keys.empty()) level.keys.emplace(key, level.entries.size());
      level.entries.emplace_back(std::move(key), Value());
      level.pendingSlot = &level.entries.back().second;
      if (level.keys.empty() && level.entries.size() >= kKeyTableThreshold) {
        for (std::size_t i = 0; i < level.entries.size(); ++i) level.keys.emplace(level.entries[i].first, i);
      }
    }
    return true;
  }

  template <typename Exception>
  bool parse_error(std::size_t, const std::string&, const Exception&) {
    failed_ = true;
    return false;
  }

  std::optional<Value> result() && {
    if (failed_ || !levels_.empty() || !hasRoot_) return std::nullopt;
    return std::move(root_);
  }

 private:
  // An open container. A dictionary's entries gather here and move into it when it closes: the
  // dictionary's own entries have constant keys, so growing it would copy every finished subtree.
  struct Level {
    Value* container = nullptr;
    Value* pendingSlot = nullptr;
    std::vector<std::pair<std::string, Value>> entries;
    std::unordered_map<std::string, std::size_t> keys;
  };

  static Value* slotFor(Level& level, const std::string& key) {
    if (!level.keys.empty()) {
      const auto found = level.keys.find(key);
      return found == level.keys.end() ? nullptr : &level.entries[found->second].second;
    }
    for (auto& entry : level.entries) {
      if (entry.first == key) return &entry.second;
    }
    return nullptr;
  }

  // Where the next value goes; the open containers never move, since a container only grows
  // while it is the innermost open one.
  Value& place(Value value) {
    if (levels_.empty()) {
      root_ = std::move(value);
      hasRoot_ = true;
      return root_;
    }
    Level& level = levels_.back();
    if (level.container->is_array()) {
      level.container->get_ref<Value::array_t&>().push_back(std::move(value));
      return level.container->get_ref<Value::array_t&>().back();
    }
    *level.pendingSlot = std::move(value);
    return *level.pendingSlot;
  }

  bool open(Value empty) {
    Level level;
    level.container = &place(std::move(empty));
    levels_.push_back(std::move(level));
    return true;
  }

  bool close() {
    Level& level = levels_.back();
    if (level.container->is_object()) {
      auto& entries = static_cast<Value::object_t::Container&>(level.container->get_ref<Value::object_t&>());
      entries.reserve(level.entries.size());
      for (auto& [key, value] : level.entries) entries.emplace_back(std::move(key), std::move(value));
    }
    levels_.pop_back();
    return true;
  }

  Value root_;
  bool hasRoot_ = false;
  bool failed_ = false;
  std::vector<Level> levels_;
};

}  // namespace

std::optional<Value> parseValue(std::string_view text) {
  LinearBuilder builder;
  if (!Value::sax_parse(text, &builder)) return std::nullopt;
  return std::move(builder).result();
}

}  // namespace platform::foundation
