#include "platform/foundation/files/Bundle.h"

namespace platform::foundation {

Bundle& Bundle::main() {
  static Bundle bundle;
  return bundle;
}

}  // namespace platform::foundation
