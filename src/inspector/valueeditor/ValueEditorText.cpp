#include "inspector/valueeditor/ValueEditorText.h"

#include <algorithm>
#include <array>

#include "inspector/valueeditor/ValueSuggestions.h"
#include "platform/foundation/locale/LocalizedText.h"

namespace vantile::ValueEditorText {

namespace {

constexpr std::array<std::string_view, 62> kSystemIdentifiers{
    "com.apple.ScreenTimeUnlock", "com.apple.Jellyfish", "com.apple.icq", "com.apple.webapp",
    "com.apple.ActivityMessagesApp", "com.apple.Animoji.StickersApp", "com.apple.Spotlight",
    "com.apple.PassbookStub", "com.apple.siri", "com.apple.social.SLYahooAuth", "com.apple.PublicHealthRemoteUI",
    "com.apple.VSViewService", "com.apple.siri.parsec.HashtagImagesApp", "com.apple.WebSheet",
    "com.apple.WebContentFilter.remoteUI.WebContentAnalysisUI", "com.apple.Home.HomeControlService",
    "com.apple.CarPlaySplashScreen", "com.apple.ctkui", "com.apple.PassbookUIService",
    "com.apple.PassbookSecureUIService", "com.apple.ClipViewService", "com.apple.Home.HomeUIService",
    "com.apple.AuthKitUIService", "com.apple.CoreAuthUI", "com.apple.ios.StoreKitUIService",
    "com.apple.datadetectors.DDActionsService", "com.apple.gamecenter.GameCenterUIService",
    "com.apple.SharingViewService", "com.apple.PrintKit.Print-Center", "com.apple.icloud.apps.messages.business",
    "com.apple.BusinessChatViewService", "com.apple.CredentialSharingService",
    "com.apple.ScreenTimeWidgetApplication", "com.apple.SleepLockScreen", "com.apple.dt.XcodePreviews",
    "com.apple.MusicUIService", "com.apple.FontInstallViewService", "com.apple.AXUIViewService",
    "com.apple.ScreenshotServicesService", "com.apple.iad.iAdOptOut", "com.apple.shortcuts.runtime",
    "com.apple.CarPlaySettings", "com.apple.HealthENLauncher", "com.apple.RemoteiCloudQuotaUI",
    "com.apple.mobilesms.compose", "com.apple.LoginUI", "com.apple.iMessageAppsViewService",
    "com.apple.HealthPrivacyService", "com.apple.AppSSOUIService", "com.apple.AccountAuthenticationDialog",
    "com.apple.Photos.PhotosUIService", "com.apple.TVAccessViewService", "com.apple.HealthENBuddy",
    "com.apple.CloudKit.ShareBear", "com.apple.AskPermissionUI", "com.apple.CTNotifyUIService",
    "com.apple.SubcredentialUIService", "com.apple.SafariViewService",
    "com.apple.SharedWebCredentialViewService", "com.apple.carkit.DNDBuddy", "com.apple.MTLReplayer",
    "com.apple.MobileReplayer",
};

std::string withoutEvery(std::string_view text, std::string_view part) {
  std::string result;
  while (true) {
    const std::size_t found = part.empty() ? std::string_view::npos : text.find(part);
    result.append(text.substr(0, found));
    if (found == std::string_view::npos) return result;
    text.remove_prefix(found + part.size());
  }
}

}  // namespace

std::string appendDataToken(std::string_view text, std::string_view key) {
  std::string result = withoutEvery(text, "none");
  result.append("[").append(key).append("]");
  return result;
}

std::string toggleStep(std::string_view text, std::string_view step) {
  const std::string steps = withoutEvery(withoutEvery(text, "{"), "}");
  std::string result = "{";
  if (!step.empty() && steps.find(step) != std::string::npos) {
    result.append(withoutEvery(steps, step));
  } else {
    result.append(steps).append(step);
  }
  return result.append("}");
}

std::string imageSetPath(std::string_view folderType, std::string_view set) {
  std::string path;
  if (folderType == "signal") path = kSignalImagesFolder;
  if (folderType == "wifi") path = kWifiImagesFolder;
  return path.append(set);
}

std::string webWidgetPage(std::string_view folder) {
  std::string page = "file://";
  return page.append(kWebWidgetFolder).append(folder).append("/index.html");
}

std::vector<std::string> userAppBundles(std::vector<std::string> identifiers) {
  std::erase_if(identifiers, [](const std::string& identifier) {
    return std::find(kSystemIdentifiers.begin(), kSystemIdentifiers.end(), identifier) != kSystemIdentifiers.end();
  });
  std::stable_sort(identifiers.begin(), identifiers.end(), [](const std::string& left, const std::string& right) {
    return platform::foundation::localizedCaseInsensitiveCompare(left, right) < 0;
  });
  return identifiers;
}

}  // namespace vantile::ValueEditorText
