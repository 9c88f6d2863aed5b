// The value editor panel of a style field, with what the editor knows to suggest.
#include "editor/CreatorView.h"
#include "editor/data/CreatorData.h"
#include "inspector/valueeditor/CreatorTextFieldView.h"
#include "platform/foundation/files/DeviceRoot.h"
#include "platform/foundation/files/Files.h"
#include "platform/objc/KeyValueReading.h"
#include "platform/objc/Messaging.h"
#include "platform/objc/Runtime.h"
#include "platform/ui/input/TextField.h"

namespace vantile {

namespace {

namespace sig {
using Object = std::shared_ptr<platform::objc::Object>;
using Getter = Object();
using ObjectList = std::vector<Object>();
}  // namespace sig

// The application workspace is reached by class name; a process without it has no apps to offer.
std::vector<std::string> installedApplicationIdentifiers() {
  std::vector<std::string> identifiers;
  auto* workspaceClass = platform::objc::getClass("LSApplicationWorkspace");
  if (workspaceClass == nullptr) return identifiers;
  const auto workspace = platform::objc::send<sig::Getter>(*workspaceClass, "defaultWorkspace");
  if (!workspace) return identifiers;
  for (const auto& application : platform::objc::send<sig::ObjectList>(*workspace, "allApplications")) {
    if (!application) continue;
    if (auto identifier = platform::objc::valueForKey<std::string>(*application, "applicationIdentifier")) {
      identifiers.push_back(std::move(*identifier));
    }
  }
  return identifiers;
}

std::vector<std::string> assetFolderEntries(const std::string& folder) {
  return platform::foundation::listFolder(platform::foundation::devicePath(folder));
}

}  // namespace

std::shared_ptr<platform::ui::View> CreatorView::createValueEditorOverlay(
    platform::ui::TextField& field, const platform::graphics::Rect& frame,
    std::function<void(const std::string&)> completion) {
  ValueEditorSources sources{
      .dataKeys = getCreatorDataMethods(),
      .demoValues = [](std::string_view name) { return CreatorData::value(name); },
      .installedApps = installedApplicationIdentifiers,
      .folderEntries = assetFolderEntries,
  };
  auto panel = CreatorTextFieldView::initWithFrame(frame, std::move(sources));
  panel->createTextFieldWithTextField(std::static_pointer_cast<platform::ui::TextField>(field.shared_from_this()),
                                      std::move(completion));
  return panel;
}

}  // namespace vantile
