#pragma once

#include <string_view>

namespace platform::objc {

class Class;

// Anything messages are sent to. It knows its runtime class (isa) and nothing else, so it can
// sit beside other bases (a view already owns its enable_shared_from_this):
//   class SBIconListView : public platform::ui::View, public platform::objc::Object
class Object {
 public:
  // A class name that is not registered leaves the object without a class: it answers no
  // message and is kind of no class (logged once at construction).
  explicit Object(std::string_view className);
  // Null: no class, as above.
  explicit Object(Class* isa);
  virtual ~Object() = default;

  Object(const Object&) = default;
  Object& operator=(const Object&) = default;

  Class* isa() const { return isa_; }
  // object_setClass: an object can move to a subclass made at run time.
  void setIsa(Class& isa) { isa_ = &isa; }

 private:
  Class* isa_;
};

}  // namespace platform::objc
