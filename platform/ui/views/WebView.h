#pragma once

#include <functional>
#include <optional>
#include <memory>
#include <string>

#include "platform/ui/views/View.h"

namespace platform::ui {

// A view showing a web page. Pages are not run in this process: scripts go to the page's
// host (the view service behind the view), which answers each through the completion.
class WebView : public View {
 public:
  using Completion = std::function<void(std::optional<std::string> result)>;
  using ScriptHost = std::function<void(const std::string& script, Completion completion)>;

  static std::shared_ptr<WebView> make(const graphics::Rect& frame = {});

  WebView(ConstructionKey key, const graphics::Rect& frame);

  std::string_view className() const override { return "WebView"; }

  // Without a host the page is not loaded: the completion gets nothing.
  void evaluateJavaScript(const std::string& script, Completion completion = {}) const;
  void setScriptHost(ScriptHost host) { scriptHost_ = std::move(host); }

 private:
  ScriptHost scriptHost_;
};

}  // namespace platform::ui
