#include "platform/ui/input/FirstResponder.h"

#include <algorithm>
#include <vector>

#include "platform/ui/input/TextField.h"
#include "platform/ui/views/Application.h"
#include "platform/ui/views/Window.h"

namespace platform::ui {

namespace {

struct Entry {
  std::weak_ptr<const View> window;
  std::weak_ptr<TextField> field;
};

std::vector<Entry>& entries() {
  static std::vector<Entry> table;
  std::erase_if(table, [](const Entry& entry) { return entry.window.expired() || entry.field.expired(); });
  return table;
}

}  // namespace

std::shared_ptr<TextField> FirstResponder::of(const Window& window) {
  for (const Entry& entry : entries()) {
    if (entry.window.lock().get() == &window) return entry.field.lock();
  }
  return nullptr;
}

std::shared_ptr<TextField> FirstResponder::ofKeyWindow() {
  const auto window = Application::shared().keyWindow();
  return window ? of(*window) : nullptr;
}

bool FirstResponder::isAnyFieldEditing() { return !entries().empty(); }

bool FirstResponder::endEditing(const View& view) {
  const auto window = view.window();
  const auto field = window ? of(*window) : nullptr;
  return field && field->isDescendantOfView(view) && field->resignFirstResponder();
}

void FirstResponder::set(const Window& window, const std::shared_ptr<TextField>& field) {
  auto& table = entries();
  std::erase_if(table, [&window](const Entry& entry) { return entry.window.lock().get() == &window; });
  table.push_back({window.shared_from_this(), field});
}

bool FirstResponder::holds(const TextField& field) {
  return std::ranges::any_of(entries(), [&field](const Entry& entry) { return entry.field.lock().get() == &field; });
}

void FirstResponder::remove(const TextField& field) {
  std::erase_if(entries(), [&field](const Entry& entry) { return entry.field.lock().get() == &field; });
}

}  // namespace platform::ui
