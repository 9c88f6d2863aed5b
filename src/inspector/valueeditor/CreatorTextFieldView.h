#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/input/Keyboard.h"
#include "platform/ui/input/TextFieldDelegate.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
class GestureRecognizer;
class ScrollView;
class TextField;
}  // namespace platform::ui

namespace vantile {

// What the value editor lists, as its caller knows it.
struct ValueEditorSources {
  // The data keys, in the order shown.
  std::vector<std::string> dataKeys;
  // A data key's preview value, shown beside it; nothing for other rows.
  std::function<std::optional<std::string>(std::string_view name)> demoValues;
  // The identifiers of the installed applications, unfiltered.
  std::function<std::vector<std::string>()> installedApps;
  // The entries of a folder of the assets folder (a system path); empty when unreadable.
  std::function<std::vector<std::string>(const std::string& folder)> folderEntries;
};

// The panel that edits one inspector field: a larger field of its own, titled with the field's
// style field address, and the suggestions known for that address. A picked row changes the
// text; Return hands it to the completion and the panel removes itself. It sits on the keyboard.
class CreatorTextFieldView : public platform::ui::View, public platform::ui::TextFieldDelegate {
 public:
  using Completion = std::function<void(const std::string& text)>;

  static std::shared_ptr<CreatorTextFieldView> initWithFrame(const platform::graphics::Rect& frame,
                                                             ValueEditorSources sources);
  CreatorTextFieldView(ConstructionKey key, const platform::graphics::Rect& frame, ValueEditorSources sources);

  std::string_view className() const override { return "CreatorTextFieldView"; }

  void createTextFieldWithTextField(const std::shared_ptr<platform::ui::TextField>& field, Completion completion);
  // Removes the panel without calling the completion.
  void close();
  std::vector<std::string> getCreatorDataMethods() const { return sources_.dataKeys; }
  std::vector<std::string> getAppBundles() const;
  void loadScrollviewWithData(const std::vector<std::string>& rows);
  void scrollViewSelected(platform::ui::GestureRecognizer& tap);

  bool implements(Operation operation) const override;
  bool textFieldShouldReturn(platform::ui::TextField& field) override;
  bool textField(platform::ui::TextField& field, platform::ui::TextRange range,
                 const std::string& replacement) override;
  bool textFieldShouldClear(platform::ui::TextField& field) override;

  std::shared_ptr<platform::ui::TextField> textFieldView;
  std::shared_ptr<platform::ui::TextField> searchFieldView;
  std::shared_ptr<platform::ui::TextField> referenceTextField;
  std::string imageFolderType;
  std::string webviewURLFolder;
  Completion completionBlock;
  bool isData = false;
  bool isBundleID = false;
  bool isAdded = false;
  std::shared_ptr<platform::ui::ScrollView> scrollview;

 private:
  void addCloseButton();
  void observeKeyboard();
  void keyboardWillShow(const platform::foundation::Notification& notification);
  void addSearchField();
  // The whole list of the data-key or app mode, for searches.
  std::vector<std::string> searchableRows() const;
  void search(const std::string& query);
  std::vector<std::string> folderRows(std::string_view folder) const;
  // True when the row opened a folder list instead of changing the text.
  bool openFolderRow(const std::string& value);
  void pickRow(const std::string& value);
  void finish(const std::string& text);
  double listWidth() const;
  std::weak_ptr<CreatorTextFieldView> weakSelf();

  ValueEditorSources sources_;
  std::vector<std::shared_ptr<platform::ui::Keyboard::Observation>> keyboardObservations_;
};

}  // namespace vantile
