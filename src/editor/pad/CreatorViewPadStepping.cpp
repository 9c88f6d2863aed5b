// The held arrow of the increment pad: one style write per step, repeated on the main queue.
#include "editor/CreatorView.h"
#include "editor/pad/PadAddress.h"
#include "editor/pad/PadDirections.h"
#include "editor/pad/PadReadOut.h"
#include "platform/foundation/files/SystemLog.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/gestures/GestureRecognizer.h"
#include "platform/ui/text/Label.h"

namespace vantile {

namespace {

using platform::Value;
using platform::ui::GestureRecognizer;

constexpr double kRepeatInterval = 0.03;

}  // namespace

void CreatorView::padPressed(GestureRecognizer& recognizer) {
  switch (recognizer.state()) {
    case GestureRecognizer::State::began: {
      const auto view = recognizer.view();
      const auto location = recognizer.locationInView(view.get());
      const auto pressed = view && location ? view->hitTest(*location) : nullptr;
      if (!pressed) return;
      isHeld = true;
      incrementingElement = selectedElement;
      ++padPressCount;
      platform::foundation::MainQueue::shared().post(
          [canvas = weakCanvas(), reference = pressed->layer()->name().value_or(""), press = padPressCount] {
            const auto self = canvas.lock();
            if (self && self->padPressCount == press) self->startIncrementing(reference);
          });
      return;
    }
    case GestureRecognizer::State::ended:
    case GestureRecognizer::State::cancelled:
    case GestureRecognizer::State::failed:
      isHeld = false;
      return;
    default:
      return;
  }
}

bool CreatorView::holdIsStillValid() const {
  return styleMenu && styleMenu->superview() && selectedElement == incrementingElement;
}

void CreatorView::startIncrementing(const std::string& arrowReference) {
  if (isHeld && !holdIsStillValid()) isHeld = false;
  if (!isHeld || !doneIncrementing) return;
  const std::optional<ArrowReference> reference = ArrowReference::parse(arrowReference);
  const std::optional<PadChange> change = reference ? padChangeFor(*reference) : std::nullopt;
  if (!change) {
    isHeld = false;
    return;
  }
  doneIncrementing = false;
  const std::string& style = reference->address.style;
  const std::int64_t delta = std::int64_t{change->sign} * incrementerAdditionValue;
  const std::string element = selectedElement;
  if (change->entry) {
    auto dictionary = CreatorDictHelpers::getElementObjectFromString(element, style, dictHelpers.getPresetChildren());
    if (dictionary && dictionary->is_object()) {
      (*dictionary)[*change->entry] = steppedValue(dictionary->value(*change->entry, Value()), delta);
      setElementStyle(style, element, dictionaryToString(*dictionary));
    } else {
      platform::foundation::systemLog("Increment pad: " + element + " has no \"" + style + "\" dictionary");
      isHeld = false;
    }
  } else {
    const std::string& key = reference->address.subKey;
    const auto current = CreatorDictHelpers::getElementObjectFromString(element, key, dictHelpers.getPresetChildren());
    setElementStyle(key, element, steppedValue(current.value_or(Value()), delta));
  }
  // A refused write leaves the flag down; the pad must stay usable after its alert.
  if (!doneIncrementing) isHeld = false;
  doneIncrementing = true;
  refreshPadReadOut();
  // The repetition belongs to its press: a quick release and press again must not run two.
  platform::foundation::MainQueue::shared().postAfter(
      kRepeatInterval, [canvas = weakCanvas(), arrowReference, press = padPressCount] {
        const auto self = canvas.lock();
        if (self && self->isHeld && self->padPressCount == press) self->startIncrementing(arrowReference);
      });
}

void CreatorView::refreshPadReadOut() const {
  if (!styleMenu) return;
  const auto readOut = std::dynamic_pointer_cast<platform::ui::Label>(styleMenu->viewWithTag(kPadReadOutTag));
  if (readOut) readOut->setText(getStyleValue(styleMenu->layer()->name().value_or("")));
}

std::string CreatorView::getStyleValue(const std::string& padAddress) const {
  const std::optional<PadAddress> address = PadAddress::parse(padAddress);
  if (!address) return {};
  const auto element = dictHelpers.getElementDictionaryFromString(selectedElement, dictHelpers.getPresetChildren());
  return padReadOut(*address, element.value_or(Value()));
}

}  // namespace vantile
