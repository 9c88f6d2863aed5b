#include "platform/springboard/lockscreen/CSCoverSheetViewBase.h"

#include "platform/springboard/runtime/RuntimeSupport.h"

namespace platform::springboard {

std::shared_ptr<CSCoverSheetViewBase> CSCoverSheetViewBase::make(std::string_view runtimeClass,
                                                                 const graphics::Rect& frame) {
  return std::make_shared<CSCoverSheetViewBase>(ConstructionKey{}, runtimeClass, frame);
}

CSCoverSheetViewBase::CSCoverSheetViewBase(ConstructionKey key, std::string_view runtimeClass,
                                           const graphics::Rect& frame)
    : View(key, frame), Object(runtimeClass), fallbackName_(runtimeClass) {}

std::string_view CSCoverSheetViewBase::className() const { return runtimeClassName(*this, fallbackName_); }

}  // namespace platform::springboard
