#include "platform/springboard/homescreen/SBIconContentView.h"

#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

std::shared_ptr<AVPlayerLayer> AVPlayerLayer::make() { return std::make_shared<AVPlayerLayer>(ConstructionKey{}); }

AVPlayerLayer::AVPlayerLayer(ConstructionKey key) : Layer(key), Object("AVPlayerLayer") {}

std::shared_ptr<SBIconContentView> SBIconContentView::make(const graphics::Rect& frame) {
  auto view = std::make_shared<SBIconContentView>(ConstructionKey{}, frame);
  // Added once the view is shared: a subview added in the constructor would know no superview.
  view->addSubview(view->rootFolderView_);
  return view;
}

SBIconContentView::SBIconContentView(ConstructionKey key, const graphics::Rect& frame)
    : View(key, frame),
      Object("SBIconContentView"),
      rootFolderView_(SBRootFolderView::make({0, 0, frame.size.width, frame.size.height})) {}

void SBIconContentView::didMoveToWindow() { objc::send<signatures::Action>(*this, "didMoveToWindow"); }

void SBIconContentView::declareClass(objc::Class& cls) {
  objc::addMethod<signatures::Action>(cls, "didMoveToWindow", [](objc::Object& self) {
    auto& view = receiver<SBIconContentView>(self);
    ++view.windowMoves_;
    view.View::didMoveToWindow();
  });
}

}  // namespace platform::springboard
