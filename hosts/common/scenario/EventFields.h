#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Geometry.h"

namespace vantile::hosts {

// Built by appending: GCC 12 misreads "literal" + std::string as an overlapping copy (-Wrestrict).
inline std::string quoted(const char* key) {
  std::string text = "\"";
  text += key;
  text += '"';
  return text;
}

// One event's object while it is read: which keys it has used, and the first thing wrong with it.
class EventFields {
 public:
  explicit EventFields(const platform::Value& event) : event_(event) {}

  std::optional<double> number(const char* key) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    if (!field->is_number() || !std::isfinite(field->get<double>())) {
      refuse(quoted(key) + " must be a number");
      return std::nullopt;
    }
    return field->get<double>();
  }

  std::optional<std::string> text(const char* key) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    if (!field->is_string() || field->get_ref<const std::string&>().empty()) {
      refuse(quoted(key) + " must be a non-empty string");
      return std::nullopt;
    }
    return field->get<std::string>();
  }

  // Any value; null only where it means "none" (a badge taken away), since settings have no null.
  std::optional<platform::Value> value(const char* key, bool nullAllowed) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    if (field->is_null() && !nullAllowed) {
      refuse(quoted(key) + " must not be null");
      return std::nullopt;
    }
    return *field;
  }

  // One of `names`, as the enumeration's value at the same place.
  template <typename Enumeration>
  std::optional<Enumeration> choice(const char* key, const std::vector<std::pair<std::string, Enumeration>>& names) {
    const auto name = text(key);
    if (!name) {
      return std::nullopt;
    }
    for (const auto& [candidate, value] : names) {
      if (candidate == *name) {
        return value;
      }
    }
    std::string allowed;
    for (const auto& entry : names) {
      allowed += (allowed.empty() ? "" : ", ") + entry.first;
    }
    refuse(quoted(key) + " must be one of " + allowed + ", not \"" + *name + "\"");
    return std::nullopt;
  }

  // [x, y].
  std::optional<platform::graphics::Point> point(const char* key) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    if (!isNumberArray(*field, 2, 2)) {
      refuse(quoted(key) + " must be a point [x, y]");
      return std::nullopt;
    }
    return platform::graphics::Point{(*field)[0].get<double>(), (*field)[1].get<double>()};
  }

  // [red, green, blue] or [red, green, blue, alpha], each from 0 to 1.
  std::optional<platform::graphics::Color> color(const char* key) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    const bool inRange = isNumberArray(*field, 3, 4) && std::ranges::all_of(*field, [](const platform::Value& part) {
                           return part.get<double>() >= 0 && part.get<double>() <= 1;
                         });
    if (!inRange) {
      refuse(quoted(key) + " must be [red, green, blue] or [red, green, blue, alpha], each from 0 to 1");
      return std::nullopt;
    }
    return platform::graphics::Color{(*field)[0].get<double>(), (*field)[1].get<double>(), (*field)[2].get<double>(),
                                     field->size() == 4 ? (*field)[3].get<double>() : 1.0};
  }

  // An array of strings; `nonEmpty`: at least one, none of them empty.
  std::optional<std::vector<std::string>> texts(const char* key, bool nonEmpty) {
    const platform::Value* field = take(key);
    if (field == nullptr) {
      return std::nullopt;
    }
    const bool fits = field->is_array() && (!nonEmpty || !field->empty()) &&
                      std::ranges::all_of(*field, [nonEmpty](const platform::Value& part) {
                        return part.is_string() && (!nonEmpty || !part.get_ref<const std::string&>().empty());
                      });
    if (!fits) {
      refuse(quoted(key) + (nonEmpty ? " must be an array of non-empty strings" : " must be an array of strings"));
      return std::nullopt;
    }
    return field->get<std::vector<std::string>>();
  }

  bool has(const char* key) const { return event_.contains(key); }

  // A key that no reader took is a mistake of the writer (a typo) rather than something to skip.
  void refuseUnusedKeys() {
    for (const auto& [key, field] : event_.items()) {
      if (!used_.contains(key)) {
        refuse("unknown field \"" + key + "\"");
        return;
      }
    }
  }

  void refuse(std::string reason) {
    if (error_.empty()) {
      error_ = std::move(reason);
    }
  }

  const std::string& error() const { return error_; }

 private:
  const platform::Value* take(const char* key) {
    used_.insert(key);
    const auto found = event_.find(key);
    if (found == event_.end()) {
      refuse("needs \"" + std::string(key) + "\"");
      return nullptr;
    }
    return &*found;
  }

  static bool isNumberArray(const platform::Value& field, std::size_t least, std::size_t most) {
    return field.is_array() && field.size() >= least && field.size() <= most &&
           std::ranges::all_of(field, [](const platform::Value& part) {
             return part.is_number() && std::isfinite(part.get<double>());
           });
  }

  const platform::Value& event_;
  std::set<std::string, std::less<>> used_;
  std::string error_;
};

}  // namespace vantile::hosts
