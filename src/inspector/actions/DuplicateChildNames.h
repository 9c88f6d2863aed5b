#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/foundation/values/Value.h"

namespace vantile::DuplicateChildNames {

// A free name for `name`, given the names already taken.
using FreshName = std::function<std::string(const std::string& name, const std::vector<std::string>& taken)>;

// A copy of the element whose child keys, at every depth, take a fresh name when they are in
// `taken`; every name the copy ends up with is taken from then on. Each container's "childorder"
// names its own children's new names, in its own order. Only keys of "children" maps change:
// style keys and values stay as they were, whatever the names.
platform::Value withFreshChildNames(const platform::Value& element, std::vector<std::string>& taken,
                                    const FreshName& freshName);

}  // namespace vantile::DuplicateChildNames
