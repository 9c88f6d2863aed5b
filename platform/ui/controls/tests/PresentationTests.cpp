#include <gtest/gtest.h>

#include "platform/foundation/queues/MainQueue.h"
#include "platform/ui/controls/AlertController.h"
#include "platform/ui/controls/ColorPickerViewController.h"
#include "platform/ui/gestures/TouchInjector.h"
#include "platform/ui/input/TextField.h"
#include "platform/ui/views/Screen.h"
#include "platform/ui/views/Window.h"
#include "testing/ManualMainQueue.h"

namespace platform::ui {
namespace {

class Presentation : public ::testing::Test {
 protected:
  vantile::testing::ManualMainQueue manualQueue;

  void SetUp() override {
    window->setRootViewController(root);
    window->makeKeyAndVisible();
  }

  std::shared_ptr<Window> window = Window::make(Screen::mainScreen().bounds());
  std::shared_ptr<ViewController> root = ViewController::make();
  std::vector<std::string> chosen;
};

TEST_F(Presentation, AnActionSheetShowsOverTheKeyWindowAndAChoiceDismissesItBeforeItsHandlerRuns) {
  auto sheet = AlertController::make("App Options", std::nullopt, AlertController::Style::actionSheet);
  for (const char* title : {"Delete", "Cancel"}) {
    sheet->addAction({title, AlertAction::Style::normal, [this, title] {
                        chosen.push_back(title);
                        EXPECT_EQ(AlertController::shownInKeyWindow(), nullptr);
                      }});
  }
  root->presentViewController(sheet, true);
  EXPECT_EQ(AlertController::shownInKeyWindow(), sheet);
  EXPECT_EQ(sheet->view()->superview(), window);
  EXPECT_FALSE(sheet->chooseAction("Nothing"));
  EXPECT_TRUE(sheet->chooseAction("Delete"));
  EXPECT_EQ(chosen, std::vector<std::string>{"Delete"});
  EXPECT_EQ(sheet->view()->superview(), nullptr);
}

TEST_F(Presentation, ATapOnARowChoosesItsAction) {
  auto alert = AlertController::make("Vantile", "App Deleted.", AlertController::Style::alert);
  alert->addAction({"Ok", AlertAction::Style::normal, [this] { chosen.push_back("Ok"); }});
  root->presentViewController(alert, true);
  const auto panel = alert->view()->subviews().front();
  const auto row = panel->subviews().back();
  const auto center = row->convertPointToView({row->bounds().midX(), row->bounds().midY()}, nullptr);
  TouchInjector(window).tap(*center);
  EXPECT_EQ(chosen, std::vector<std::string>{"Ok"});
}

TEST_F(Presentation, AnAlertsTextFieldsStandInOrderBetweenItsMessageAndItsActions) {
  auto alert = AlertController::make("Vantile", "Enter name for this image", AlertController::Style::alert);
  const auto first = alert->addTextField([](TextField& field) { field.setPlaceholder("my_image"); });
  const auto second = alert->addTextField();
  alert->addAction({"Apply", AlertAction::Style::normal, {}});
  root->presentViewController(alert, true);

  ASSERT_EQ(alert->textFields(), (std::vector<std::shared_ptr<TextField>>{first, second}));
  EXPECT_EQ(first->placeholder(), "my_image");
  const auto panel = alert->view()->subviews().front();
  EXPECT_EQ(first->superview(), panel);
  const auto message = panel->subviews()[1];
  const auto actionRow = panel->subviews().back();
  EXPECT_LE(message->frame().maxY(), first->frame().y());
  EXPECT_LE(first->frame().maxY(), second->frame().y());
  EXPECT_LE(second->frame().maxY(), actionRow->frame().y());
  EXPECT_LE(actionRow->frame().maxY(), panel->bounds().maxY());
}

// A pane inside a container presents for itself; what it shows is still the one in front.
TEST_F(Presentation, AControllerPresentedByAChildOfTheRootIsTheOneShownInTheKeyWindow) {
  auto pane = ViewController::make();
  root->addChildViewController(pane);
  auto picker = ColorPickerViewController::make();
  pane->presentViewController(picker, true);
  EXPECT_EQ(ColorPickerViewController::shownInKeyWindow(), picker);
  EXPECT_EQ(AlertController::shownInKeyWindow(), nullptr);

  auto alert = AlertController::make("Rename Element", std::nullopt, AlertController::Style::alert);
  picker->presentViewController(alert, true);
  EXPECT_EQ(AlertController::shownInKeyWindow(), alert);
  pane->dismissViewController(true);
  EXPECT_EQ(ColorPickerViewController::shownInKeyWindow(), nullptr);
  EXPECT_EQ(AlertController::shownInKeyWindow(), nullptr);
}

TEST_F(Presentation, ASecondPresentationIsRefusedAndDismissingTakesThePresentedChainAway) {
  auto host = ViewController::make();
  auto other = ViewController::make();
  root->presentViewController(host, true);
  root->presentViewController(other, true);
  EXPECT_EQ(root->presentedViewController(), host);
  auto picker = ColorPickerViewController::make();
  host->presentViewController(picker, true);
  EXPECT_EQ(root->topPresentedViewController(), picker);
  EXPECT_EQ(ColorPickerViewController::shownInKeyWindow(), picker);
  root->dismissViewController(true);
  EXPECT_EQ(root->presentedViewController(), nullptr);
  EXPECT_EQ(picker->view()->superview(), nullptr);
  EXPECT_EQ(host->presentedViewController(), nullptr);
}

}  // namespace
}  // namespace platform::ui
