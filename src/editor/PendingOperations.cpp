// Operations of the canvas whose groups are being written; each group removes its section.
#include "editor/CreatorView.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/views/ImageView.h"

namespace vantile {


}  // namespace vantile
