#include <gtest/gtest.h>

#include <thread>

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/services/EventStore.h"
#include "platform/services/Geocoder.h"
#include "platform/services/HealthStore.h"
#include "platform/springboard/device/DeviceModel.h"

namespace platform::services {
namespace {

using foundation::MainQueue;
using springboard::DeviceModel;
using springboard::DeviceState;

// 2026-12-09 08:30 in UTC.
constexpr foundation::TimeStamp kNow = 1796805000;

class ServicesTest : public ::testing::Test {
 protected:
  ServicesTest() {
    foundation::setTimeZone("UTC");
    MainQueue::shared().useManualClock(kNow);
  }
  ~ServicesTest() override {
    MainQueue::shared().clear();
    MainQueue::shared().useRealClock();
    DeviceModel::shared().reset({});
    foundation::useHostTimeZone();
  }

  // Runs the main queue until `done` holds, waiting for workers' posts.
  template <class F>
  void runUntil(F done) {
    for (int round = 0; round < 200 && !done(); ++round) {
      MainQueue::shared().waitForDueTask(0.05);
      MainQueue::shared().runPending();
    }
  }
};

TEST_F(ServicesTest, TheEventStoreGivesTheEventsOfTheWindowInStoreOrderAndNothingWithoutAccess) {
  DeviceState state;
  state.calendar.calendars = {{"Work", "rgba(255, 0, 0, 1)"}, {"Home", "rgba(0, 0, 255, 1)"}};
  state.calendar.events = {{"Later", std::nullopt, "2026-12-10T13:00:00", "2026-12-10T14:30:00", false, "Home"},
                           {"Past", "Office", "2026-12-08T09:00:00", "2026-12-08T10:00:00", false, "Work"},
                           {"Now", "Office", "2026-12-09T08:00:00", "2026-12-09T09:00:00", false, "Work"},
                           {"Loose", std::nullopt, "2026-12-11T00:00:00", "2026-12-12T00:00:00", true, ""}};
  DeviceModel::shared().reset(state);
  EventStore store;
  const auto calendars = store.calendarsForEntityTypeEvent();
  ASSERT_EQ(calendars.size(), 2U);
  const auto events = store.eventsMatching(kNow, kNow + 86400 * 300, calendars);
  ASSERT_EQ(events.size(), 3U);
  EXPECT_EQ(events[0].title, "Later");
  EXPECT_EQ(events[0].calendar->color, "rgba(0, 0, 255, 1)");
  EXPECT_EQ(events[0].startDate, 1796907600);
  EXPECT_EQ(events[1].title, "Now");
  EXPECT_FALSE(events[2].calendar.has_value());
  EXPECT_TRUE(events[2].allDay);

  state.calendar.access = false;
  DeviceModel::shared().reset(state);
  EXPECT_TRUE(store.calendarsForEntityTypeEvent().empty());
  EXPECT_TRUE(store.eventsMatching(kNow, kNow + 86400, calendars).empty());
  EXPECT_EQ(store.readCount(), 2);
}

TEST_F(ServicesTest, TheHealthStoreSumsDaysAndAnswersOnAWorker) {
  DeviceState state;
  state.steps.samples = {{"2026-12-07", 4000}, {"2026-12-09", 5000}, {"2026-12-09", 234}};
  DeviceModel::shared().reset(state);
  const auto mainThread = std::this_thread::get_id();
  std::optional<std::vector<Statistics>> days;
  bool onWorker = false;
  HealthStore store;
  store.executeDailyStepCountQuery(kNow - 30600, [&](std::optional<StatisticsCollection> results, std::optional<std::string> error) {
    onWorker = std::this_thread::get_id() != mainThread;
    ASSERT_FALSE(error);
    std::vector<Statistics> seen;
    results->enumerateStatistics(kNow - 7 * 86400, kNow, [&](const Statistics& statistics) { seen.push_back(statistics); });
    MainQueue::shared().post([&days, seen] { days = seen; });
  });
  runUntil([&] { return days.has_value(); });
  ASSERT_TRUE(days);
  EXPECT_TRUE(onWorker);
  ASSERT_EQ(days->size(), 3U);
  EXPECT_EQ((*days)[0].sumQuantity, 4000);
  EXPECT_FALSE((*days)[1].sumQuantity);
  EXPECT_EQ((*days)[2].sumQuantity, 5234);
  EXPECT_EQ((*days)[2].startDate, kNow - 30600);
}

TEST_F(ServicesTest, TheHealthStoreAnswersDeniedAccessWithAnError) {
  DeviceState state;
  state.steps.access = false;
  DeviceModel::shared().reset(state);
  std::optional<std::string> error;
  HealthStore store;
  store.executeDailyStepCountQuery(kNow, [&](std::optional<StatisticsCollection>, std::optional<std::string> failure) {
    MainQueue::shared().post([&error, failure] { error = failure.value_or("none"); });
  });
  runUntil([&] { return error.has_value(); });
  EXPECT_NE(error.value_or("none"), "none");
}

TEST_F(ServicesTest, TheGeocoderAnswersLaterWithTheDevicesPlaceOrAnError) {
  DeviceState state;
  state.weather.place = springboard::PlaceState{.thoroughfare = "Infinite Loop", .locality = "Cupertino"};
  DeviceModel::shared().reset(state);
  Geocoder geocoder;
  std::vector<Placemark> found;
  std::optional<std::string> failure = "not yet";
  geocoder.reverseGeocodeLocation(37.3, -122.0, [&](std::vector<Placemark> placemarks, std::optional<std::string> error) {
    found = std::move(placemarks);
    failure = std::move(error);
  });
  EXPECT_TRUE(found.empty());
  MainQueue::shared().runPending();
  ASSERT_EQ(found.size(), 1U);
  EXPECT_EQ(found[0].locality, "Cupertino");
  EXPECT_FALSE(failure);

  DeviceModel::shared().reset({});
  geocoder.reverseGeocodeLocation(0, 0, [&](std::vector<Placemark> placemarks, std::optional<std::string> error) {
    found = std::move(placemarks);
    failure = std::move(error);
  });
  MainQueue::shared().runPending();
  EXPECT_TRUE(found.empty());
  EXPECT_TRUE(failure);
}

}  // namespace
}  // namespace platform::services
