#pragma once

#include <string>
#include <string_view>
#include <vector>

// SpringBoard's classes in the runtime. Which exist depends on the simulated iOS version, as
// on the phone: the cover-sheet classes are "CS…" from iOS 13 on and "SBDashBoard…" before,
// the timer controller is "SBLockScreenTimerViewController" before iOS 14 and
// "CSTimerViewController" after, "SBCoverSheetPresentationManager" exists from iOS 11 on, the
// prominent time from 16 on; the Settings app's split view controller is never among them.
namespace platform::springboard {

// Registers every class that exists on `iosVersion` with its stock operations (the platform's
// own base classes too). Registering again first forgets the classes registered before, so
// replacements of an earlier run do not stay.
void registerSpringBoardClasses(int iosVersion);
// Forgets them all (for tests).
void removeSpringBoardClasses();

// The class names registered for `iosVersion`, in registration order.
std::vector<std::string> springBoardClassNames(int iosVersion);

// The name the class the stand-in's code knows by its modern name has on `iosVersion`
// ("CSMainPageView" is "SBDashBoardMainPageView" before iOS 13). Names without an older form
// come back unchanged.
std::string versionedClassName(std::string_view modernName, int iosVersion);

}  // namespace platform::springboard
