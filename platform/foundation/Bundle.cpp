#include "platform/foundation/Bundle.h"

namespace platform::foundation {

Bundle& Bundle::main() {
  static Bundle bundle;
  return bundle;
}

}  // namespace platform::foundation
