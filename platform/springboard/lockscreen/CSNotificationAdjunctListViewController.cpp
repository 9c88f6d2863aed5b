#include "platform/springboard/lockscreen/CSNotificationAdjunctListViewController.h"

#include <algorithm>

#include "platform/objc/Runtime.h"
#include "platform/springboard/lockscreen/CSAdjunctListItem.h"
#include "platform/springboard/runtime/RuntimeSupport.h"
#include "platform/springboard/runtime/Signatures.h"

namespace platform::springboard {

namespace sig = signatures;

namespace {

void take(objc::Object& self, sig::Object item) {
  if (item) receiver<CSNotificationAdjunctListViewController>(self).items.push_back(std::move(item));
}

}  // namespace

void CSAdjunctListItem::declareClass(objc::Class& cls) {
  objc::addMethod<sig::Text>(cls, "identifier", [](objc::Object& self) { return receiver<CSAdjunctListItem>(self).identifier; });
  objc::addMethod<sig::Text>(cls, "groupingIdentifier",
                             [](objc::Object& self) { return receiver<CSAdjunctListItem>(self).groupingIdentifier; });
}

void CSNotificationAdjunctListViewController::declareClass(objc::Class& cls) {
  objc::addMethod<sig::InsertItemAtIndex>(cls, "_insertItem:atPreferredIndex:animated:",
                                          [](objc::Object& self, sig::Object item, std::int64_t, bool) { take(self, item); });
  objc::addMethod<sig::InsertItem>(cls, "_insertItem:animated:",
                                   [](objc::Object& self, sig::Object item, bool) { take(self, item); });
}

void CSNotificationAdjunctListViewController::declareLegacyClass(objc::Class& cls) {
  objc::addMethod<sig::DidAddItem>(cls, "adjunctListModel:didAddItem:",
                                   [](objc::Object& self, sig::Object, sig::Object item) { take(self, item); });
}

void CSNotificationAdjunctListViewController::declareListItemManager(objc::Class& cls) {
  objc::addMethod<sig::ObjectAction>(cls, "addItem:", [](objc::Object& self, sig::Object item) { take(self, item); });
  objc::addMethod<sig::ObjectAction>(cls, "removeItem:", [](objc::Object& self, sig::Object item) {
    auto& items = receiver<CSNotificationAdjunctListViewController>(self).items;
    items.erase(std::remove(items.begin(), items.end(), item), items.end());
  });
}

}  // namespace platform::springboard
