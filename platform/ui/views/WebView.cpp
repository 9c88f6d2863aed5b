#include "platform/ui/views/WebView.h"

namespace platform::ui {

std::shared_ptr<WebView> WebView::make(const graphics::Rect& frame) {
  return std::make_shared<WebView>(ConstructionKey{}, frame);
}

WebView::WebView(ConstructionKey key, const graphics::Rect& frame) : View(key, frame) {}

void WebView::evaluateJavaScript(const std::string& script, Completion completion) const {
  if (scriptHost_) {
    scriptHost_(script, std::move(completion));
  } else if (completion) {
    completion(std::nullopt);
  }
}

}  // namespace platform::ui
