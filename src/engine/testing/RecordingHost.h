#pragma once

#include "engine/ElementOrchestratorDelegate.h"
#include "platform/foundation/values/Value.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vantile::testing {

// A host that builds trees as the real hosts do (a running counter, the registry, the
// orchestrator) and records every call the engine makes of it.
class RecordingHost : public ElementOrchestratorDelegate, public std::enable_shared_from_this<RecordingHost> {
 public:
  static std::shared_ptr<RecordingHost> make(std::string environment = "vantile",
                                             std::set<Operation> implemented = allOperations());
  static std::set<Operation> allOperations();

  RecordingHost(std::string environment, std::set<Operation> implemented);

  bool implements(Operation operation) const override { return implemented_.contains(operation); }
  void updateReferenceToView(const std::string& name, std::int32_t count, const std::string& location) override;
  void createChildren(const platform::Value& children, const std::shared_ptr<platform::ui::View>& view,
                      const std::string& location, const std::optional<std::vector<std::string>>& order) override;
  void handleTapped(platform::ui::GestureRecognizer&) override { calls.push_back("handleTapped"); }
  void handleAnimation(platform::ui::GestureRecognizer&) override { calls.push_back("handleAnimation"); }
  void launchApp(platform::ui::GestureRecognizer&) override { calls.push_back("launchApp"); }
  void changeApp(platform::ui::GestureRecognizer&) override { calls.push_back("changeApp"); }
  void enableActionsForView(const std::shared_ptr<platform::ui::View>&, const std::string& actions) override {
    calls.push_back("enableActionsForView:" + actions);
  }

  // Builds the children of `parent` like a theme's root element.
  void build(const platform::Value& children, const std::shared_ptr<platform::ui::View>& parent,
             const std::optional<std::vector<std::string>>& order = std::nullopt);

  std::vector<std::string> calls;
  // Name → tag, last report wins.
  std::map<std::string, std::int32_t> tags;
  std::vector<std::optional<std::vector<std::string>>> orders;
  std::int32_t globalCounter = 0;
  std::string location = "lockscreen";

 private:
  std::string environment_;
  std::set<Operation> implemented_;
};

}  // namespace vantile::testing
