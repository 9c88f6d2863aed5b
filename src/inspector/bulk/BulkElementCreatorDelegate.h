#pragma once

#include "platform/foundation/values/Value.h"

namespace vantile {

// Receives the bulk element list when the user taps "Add"; asked implements() first.
class BulkElementCreatorDelegate {
 public:
  enum class Operation { bulkElementCreatorDidFinish };

  virtual ~BulkElementCreatorDelegate() = default;
  virtual bool implements(Operation operation) const = 0;
  // One dictionary per top-level element: "elementType", "elementName" and, for elements
  // with children, "children" of the same form.
  virtual void bulkElementCreatorDidFinish(const platform::Value&) {}
};

}  // namespace vantile
