#pragma once

#include "inspector/bulk/BulkElementCreatorDelegate.h"

namespace vantile {

class CreatorView;

// The canvas as the bulk creator's delegate: forwards the result to the canvas that owns it.
class CanvasBulkCreatorDelegate final : public BulkElementCreatorDelegate {
 public:
  explicit CanvasBulkCreatorDelegate(CreatorView& canvas) : canvas_(canvas) {}

  bool implements(Operation operation) const override {
    return operation == Operation::bulkElementCreatorDidFinish;
  }
  void bulkElementCreatorDidFinish(const platform::Value& bulkElements) override;

 private:
  // The canvas owns this object, so it outlives every call.
  CreatorView& canvas_;
};

}  // namespace vantile
