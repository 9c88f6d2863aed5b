#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/values/Value.h"
#include "platform/ui/input/Keyboard.h"
#include "platform/ui/input/TextFieldDelegate.h"
#include "platform/ui/views/View.h"

namespace platform::ui {
class GestureRecognizer;
class ScrollView;
class SegmentedControl;
class TextField;
}  // namespace platform::ui

namespace vantile {

// The editor's pick-one panel: a title bar with a close button, an optional segment control,
// a search field and a list of rows, built from the menu options. It answers through its two
// blocks and never removes itself when a row is picked; the caller removes it.
class CreatorVerticalMenu : public platform::ui::View, public platform::ui::TextFieldDelegate {
 public:
  using RowCompletion = std::function<void(const std::string& value)>;
  using SegmentCompletion = std::function<void(int index)>;
  // The sample value of a data key, for the second column; the editor passes its preview data.
  using DemoValues = std::function<std::optional<std::string>(std::string_view name)>;

  static std::shared_ptr<CreatorVerticalMenu> initWithMenuName(const std::string& menuName, platform::Value optionsDict,
                                                               const platform::graphics::Rect& frame,
                                                               RowCompletion completionScrollview,
                                                               SegmentCompletion completionSegment,
                                                               DemoValues demoValues = {});

  CreatorVerticalMenu(ConstructionKey key, const platform::graphics::Rect& frame);

  std::string_view className() const override { return "CreatorVerticalMenu"; }

  void closeMenu();
  // From the given rows, or from the current segment's rows when given nothing.
  void loadScrollview(const std::optional<std::vector<std::string>>& rows);
  void sortedBySearch(const std::string& query);
  static std::string dictionaryToString(const platform::Value& dictionary);

  bool implements(Operation operation) const override;
  bool textFieldShouldReturn(platform::ui::TextField& field) override;
  bool textField(platform::ui::TextField& field, platform::ui::TextRange range,
                 const std::string& replacement) override;
  bool textFieldShouldClear(platform::ui::TextField& field) override;

  platform::Value optionsDict;
  RowCompletion completionBlock;
  SegmentCompletion segmentCompletionBlock;
  std::int32_t selectorValue = 0;
  std::string selectedElementText = "none";
  std::shared_ptr<platform::ui::View> mainView;
  std::shared_ptr<platform::ui::ScrollView> scrollview;
  std::shared_ptr<platform::ui::TextField> searchFieldView;

 private:
  void buildPanel(const std::string& menuName);
  void addCloseButton();
  void addSegmentControl();
  void addSearchField();
  void observeKeyboard();
  void keyboardWillShow(const platform::foundation::Notification& notification);
  void keyboardWillHide();
  void segmentSelected(const platform::ui::SegmentedControl& control);
  void scrollViewSelected(platform::ui::GestureRecognizer& tap);
  std::vector<std::string> currentSegmentRows() const;
  void addRow(const std::string& value, double top);
  std::optional<std::string> secondColumn(const std::string& value) const;
  std::weak_ptr<CreatorVerticalMenu> weakSelf();

  DemoValues demoValues_;
  std::vector<std::shared_ptr<platform::ui::Keyboard::Observation>> keyboardObservations_;
};

}  // namespace vantile
