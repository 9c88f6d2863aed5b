#include "platform/web/ServiceProxy.h"

#include "platform/objc/Runtime.h"
#include "platform/web/RemoteViewTypes.h"

namespace platform::web {

namespace {

void forward(objc::Object& self, MessageKind kind, const std::string& text) {
  const auto& connection = dynamic_cast<ServiceProxy&>(self).connection();
  if (connection) connection->send(kind, text);
}

}  // namespace

void ServiceProxy::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::TextMessage>(cls, "setWebViewURL:", [](objc::Object& self, std::string path) {
    forward(self, MessageKind::setWebViewURL, path);
  });
  objc::addMethod<signatures::TextMessage>(cls, "callJavascript:", [](objc::Object& self, std::string script) {
    forward(self, MessageKind::callJavascript, script);
  });
}

}  // namespace platform::web
