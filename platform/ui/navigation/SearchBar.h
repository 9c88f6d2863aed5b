#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/views/View.h"

namespace platform::ui {

class Label;
class SearchBar;
class TextField;
class TextFieldDelegate;

// What a search bar tells its delegate. Every operation is optional: the bar asks
// implements() before calling one.
class SearchBarDelegate {
 public:
  enum class Operation { textDidBeginEditing, textDidEndEditing, textDidChange, cancelButtonClicked };

  virtual ~SearchBarDelegate() = default;

  virtual bool implements(Operation operation) const = 0;

  virtual void searchBarTextDidBeginEditing(SearchBar&) {}
  virtual void searchBarTextDidEndEditing(SearchBar&) {}
  // After every change of the text the user makes (typing, the field's clear button).
  virtual void searchBarTextDidChange(SearchBar&, const std::string& /*searchText*/) {}
  virtual void searchBarCancelButtonClicked(SearchBar&) {}
};

// A search field with an optional "Cancel" button at its right. Setting the text in code tells
// nobody. Showing or hiding the button, animated or not, shows at once.
class SearchBar : public View {
 public:
  static constexpr double height = 56;

  static std::shared_ptr<SearchBar> make(const graphics::Rect& frame = {});

  SearchBar(ConstructionKey key, const graphics::Rect& frame);
  ~SearchBar() override;

  std::string_view className() const override { return "SearchBar"; }

  const std::string& text() const;
  void setText(std::string text);
  const std::shared_ptr<TextField>& searchTextField() const { return field_; }

  bool showsCancelButton() const { return showsCancelButton_; }
  void setShowsCancelButton(bool shows, bool animated);
  const std::shared_ptr<Label>& cancelButton() const { return cancelButton_; }
  // As a tap on the cancel button (taps on it arrive here); false when it is not shown.
  bool cancelButtonTapped();

  std::shared_ptr<SearchBarDelegate> delegate() const { return delegate_.lock(); }
  void setDelegate(std::weak_ptr<SearchBarDelegate> delegate) { delegate_ = std::move(delegate); }

 protected:
  void layoutSubviews() override;

 private:
  friend class SearchController;
  class FieldDelegate;

  void tell(SearchBarDelegate::Operation operation, const std::function<void(SearchBarDelegate&)>& call);
  void attachParts();

  std::shared_ptr<TextField> field_;
  std::shared_ptr<Label> cancelButton_;
  std::shared_ptr<TextFieldDelegate> fieldDelegate_;
  std::weak_ptr<SearchBarDelegate> delegate_;
  bool showsCancelButton_ = false;
  // Set by the search controller the bar belongs to; run before the delegate hears of it.
  std::function<void()> onBeginEditing_;
  std::function<void()> onCancel_;
};

}  // namespace platform::ui
