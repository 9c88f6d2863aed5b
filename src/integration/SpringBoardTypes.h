#pragma once

#include "platform/objc/MessageHook.h"
#include "platform/springboard/runtime/Signatures.h"

namespace vantile::integration {

namespace sig = platform::springboard::signatures;
using ObjectRef = sig::Object;
using platform::objc::Slot;

}  // namespace vantile::integration
