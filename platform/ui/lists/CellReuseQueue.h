#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform::ui {

class ReusableCell;

// The cells of a list that are off screen, waiting under their reuse identifiers, and how to
// make a new cell for an identifier when none waits.
class CellReuseQueue {
 public:
  using Factory = std::function<std::shared_ptr<ReusableCell>()>;

  // A later registration for the same identifier replaces the earlier one.
  void registerFactory(const std::string& identifier, Factory factory);

  // A waiting cell (after its prepareForReuse), else a new one from the registration, else nothing.
  std::shared_ptr<ReusableCell> dequeue(const std::string& identifier);

  // Cells without an identifier cannot come back, so they are let go.
  void enqueue(std::shared_ptr<ReusableCell> cell);

 private:
  std::map<std::string, Factory, std::less<>> factories_;
  std::map<std::string, std::vector<std::shared_ptr<ReusableCell>>, std::less<>> waiting_;
};

}  // namespace platform::ui
