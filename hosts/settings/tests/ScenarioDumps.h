#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "hosts/common/testing/HostProcess.h"
#include "platform/foundation/files/Files.h"
#include "platform/foundation/values/Value.h"

namespace vantile::settings_host {

// A view dump the host wrote; null when it is missing or not JSON.
inline platform::Value readDump(const std::filesystem::path& file) {
  return platform::Value::parse(platform::foundation::readFile(file).value_or("null"), nullptr, false);
}

// The first entry of a dump, depth first, whose `key` is the text `value`.
inline const platform::Value* findWith(const platform::Value& entry, const std::string& key, const std::string& value) {
  if (entry.is_object() && entry.value(key, "") == value) return &entry;
  if (!entry.is_object() || !entry.contains("subviews")) return nullptr;
  for (const platform::Value& child : entry.at("subviews")) {
    if (const platform::Value* found = findWith(child, key, value)) return found;
  }
  return nullptr;
}

// The dump of a one-second springboard run on the device folder, written as `name` there.
inline platform::Value springboardDump(const std::filesystem::path& program, const std::filesystem::path& root,
                                       const std::string& name) {
  const auto dumpFile = root / name;
  hosts::HostProcess springboard(
      program, {"--root", root.string(), "--screen", "375x812@1", "--seconds", "1", "--dump", dumpFile.string()},
      {"TZ=Europe/Berlin"});
  EXPECT_EQ(springboard.wait(), 0) << springboard.errors();
  return readDump(dumpFile);
}

}  // namespace vantile::settings_host
