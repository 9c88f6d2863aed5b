#include "platform/foundation/preferences/PreferenceDomain.h"

#include <plist/plist.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>

#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/preferences/PreferenceOverrides.h"

namespace platform::foundation {

namespace {

// Property-list dates count from 2001-01-01; ours from 1970-01-01.
constexpr double kReferenceDateOffset = 978307200;

struct PlistDeleter {
  void operator()(plist_t node) const { plist_free(node); }
};
using PlistHandle = std::unique_ptr<std::remove_pointer_t<plist_t>, PlistDeleter>;

struct MallocDeleter {
  void operator()(char* memory) const { std::free(memory); }
};
using MallocString = std::unique_ptr<char, MallocDeleter>;

std::string base64(std::string_view bytes) {
  static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string encoded;
  encoded.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t index = 0; index < bytes.size(); index += 3) {
    const std::size_t count = std::min<std::size_t>(3, bytes.size() - index);
    std::uint32_t group = 0;
    for (std::size_t offset = 0; offset < 3; ++offset) {
      group = (group << 8) | (offset < count ? static_cast<unsigned char>(bytes[index + offset]) : 0u);
    }
    for (std::size_t sextet = 0; sextet < 4; ++sextet) {
      encoded += sextet <= count ? kAlphabet[(group >> (18 - 6 * sextet)) & 0x3F] : '=';
    }
  }
  return encoded;
}

// Property lists nest only as deep as their writers make them; a hostile file is refused.
constexpr int kMaximumDepth = 256;

std::optional<Value> toValue(plist_t node, int depth) {
  if (depth > kMaximumDepth) {
    return std::nullopt;
  }
  switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
      std::uint8_t flag = 0;
      plist_get_bool_val(node, &flag);
      return Value(flag != 0);
    }
    case PLIST_UINT: {
      std::uint64_t number = 0;
      plist_get_uint_val(node, &number);
      // The library keeps signed integers as their two's-complement bits.
      return Value(static_cast<std::int64_t>(number));
    }
    case PLIST_REAL: {
      double number = 0;
      plist_get_real_val(node, &number);
      return Value(number);
    }
    case PLIST_STRING:
    case PLIST_KEY: {
      char* raw = nullptr;
      plist_get_string_val(node, &raw);
      const MallocString text(raw);
      return Value(text ? std::string(text.get()) : std::string());
    }
    case PLIST_DATE: {
      std::int32_t seconds = 0;
      std::int32_t microseconds = 0;
      plist_get_date_val(node, &seconds, &microseconds);
      return Value(kReferenceDateOffset + seconds + microseconds / 1e6);
    }
    case PLIST_DATA: {
      char* raw = nullptr;
      std::uint64_t length = 0;
      plist_get_data_val(node, &raw, &length);
      const MallocString bytes(raw);
      return Value(base64(bytes ? std::string_view(bytes.get(), length) : std::string_view()));
    }
    case PLIST_ARRAY: {
      Value array = Value::array();
      const auto size = plist_array_get_size(node);
      for (std::uint32_t index = 0; index < size; ++index) {
        auto element = toValue(plist_array_get_item(node, index), depth + 1);
        if (!element) {
          return std::nullopt;
        }
        array.push_back(std::move(*element));
      }
      return array;
    }
    case PLIST_DICT: {
      Value dictionary = Value::object();
      plist_dict_iter iterator = nullptr;
      plist_dict_new_iter(node, &iterator);
      const MallocString iteratorMemory(static_cast<char*>(iterator));
      while (true) {
        char* rawKey = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, iterator, &rawKey, &item);
        const MallocString key(rawKey);
        if (!key || !item) {
          break;
        }
        auto element = toValue(item, depth + 1);
        if (!element) {
          return std::nullopt;
        }
        dictionary[key.get()] = std::move(*element);
      }
      return dictionary;
    }
    default:
      return Value();
  }
}

PlistHandle toPlist(const Value& value, int depth) {
  if (depth > kMaximumDepth) {
    return nullptr;
  }
  switch (value.type()) {
    case Value::value_t::boolean:
      return PlistHandle(plist_new_bool(value.get<bool>() ? 1 : 0));
    case Value::value_t::number_integer:
      return PlistHandle(plist_new_uint(static_cast<std::uint64_t>(value.get<std::int64_t>())));
    case Value::value_t::number_unsigned:
      return PlistHandle(plist_new_uint(value.get<std::uint64_t>()));
    case Value::value_t::number_float:
      return PlistHandle(plist_new_real(value.get<double>()));
    case Value::value_t::string:
      return PlistHandle(plist_new_string(value.get_ref<const std::string&>().c_str()));
    case Value::value_t::array: {
      PlistHandle array(plist_new_array());
      for (const auto& element : value) {
        auto item = toPlist(element, depth + 1);
        if (!item) {
          return nullptr;
        }
        plist_array_append_item(array.get(), item.release());
      }
      return array;
    }
    case Value::value_t::object: {
      PlistHandle dictionary(plist_new_dict());
      for (const auto& [key, element] : value.items()) {
        auto item = toPlist(element, depth + 1);
        if (!item) {
          return nullptr;
        }
        plist_dict_set_item(dictionary.get(), key.c_str(), item.release());
      }
      return dictionary;
    }
    default:
      // Property lists have no null; an empty string is the closest stored form.
      return PlistHandle(plist_new_string(""));
  }
}

std::filesystem::path domainFile(const std::string& domain) {
  return devicePath("/var/mobile/Library/Preferences/" + domain + ".plist");
}

}  // namespace

std::optional<Value> valueFromPropertyList(std::string_view bytes) {
  if (bytes.empty() || bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
    return std::nullopt;
  }
  plist_t raw = nullptr;
  plist_from_memory(bytes.data(), static_cast<std::uint32_t>(bytes.size()), &raw);
  const PlistHandle root(raw);
  if (!root) {
    return std::nullopt;
  }
  return toValue(root.get(), 0);
}

std::optional<std::string> xmlPropertyListFromValue(const Value& value) {
  const auto root = toPlist(value, 0);
  if (!root) {
    return std::nullopt;
  }
  char* raw = nullptr;
  std::uint32_t length = 0;
  plist_to_xml(root.get(), &raw, &length);
  const MallocString xml(raw);
  if (!xml) {
    return std::nullopt;
  }
  return std::string(xml.get(), length);
}

PreferenceDomain::PreferenceDomain(std::string domain) : domain_(std::move(domain)) {}

std::optional<Value> PreferenceDomain::read() const { return withOverrides(domain_, readStored()); }

std::optional<Value> PreferenceDomain::readStored() const {
  const auto file = domainFile(domain_);
  const auto bytes = readFile(file);
  if (!bytes) {
    return std::nullopt;
  }
  auto dictionary = valueFromPropertyList(*bytes);
  if (!dictionary || !dictionary->is_object()) {
    systemLog("Preferences: " + file.string() + " is not a property list holding a dictionary");
    return std::nullopt;
  }
  return dictionary;
}

std::optional<Value> PreferenceDomain::valueForKey(std::string_view key) const {
  const auto dictionary = read();
  if (!dictionary) {
    return std::nullopt;
  }
  const auto found = dictionary->find(key);
  if (found == dictionary->end()) {
    return std::nullopt;
  }
  return *found;
}

bool PreferenceDomain::write(const Value& dictionary) const {
  if (!dictionary.is_object()) {
    systemLog("Preferences: refusing to write a non-dictionary into " + domain_);
    return false;
  }
  const auto xml = xmlPropertyListFromValue(dictionary);
  if (!xml || !writeFileAtomically(domainFile(domain_), *xml)) {
    systemLog("Preferences: cannot write " + domainFile(domain_).string());
    return false;
  }
  return true;
}

bool PreferenceDomain::setValueForKey(std::string_view key, const Value& value) const {
  auto existing = readStored();
  if (!existing && fileExists(domainFile(domain_))) {
    // Never replace a file we could not read: its settings would be lost.
    return false;
  }
  Value dictionary = existing.value_or(Value::object());
  dictionary[std::string(key)] = value;
  return write(dictionary);
}

}  // namespace platform::foundation
