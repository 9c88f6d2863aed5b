#pragma once

#include "hosts/common/scenario/EventFields.h"
#include "hosts/common/scenario/ScenarioEvent.h"

// Each reads one kind of event's fields into its payload; a field that is missing or wrong is
// refused through the fields, and the payload is then nothing.
namespace vantile::hosts {

// The springboard host's events.
ScenarioPayload deviceChange(EventFields& fields);
ScenarioPayload settingWrite(EventFields& fields);
ScenarioPayload darwinPost(EventFields& fields);
// "x" and "y"; also the settings host's.
ScenarioPayload touchAt(EventFields& fields);
ScenarioPayload swipeFrom(EventFields& fields);
ScenarioPayload rotation(EventFields& fields);
ScenarioPayload snapshot(EventFields& fields);
ScenarioPayload letterTap(EventFields& fields);
ScenarioPayload appPress(EventFields& fields);
ScenarioPayload actionChoice(EventFields& fields);

// The settings host's events.
ScenarioPayload windowSnapshot(EventFields& fields);
ScenarioPayload paneOpening(EventFields& fields);
ScenarioPayload pan(EventFields& fields);
ScenarioPayload pinch(EventFields& fields);
ScenarioPayload textInput(EventFields& fields);
ScenarioPayload alertAnswer(EventFields& fields);
ScenarioPayload photoPick(EventFields& fields);
ScenarioPayload colorPick(EventFields& fields);
ScenarioPayload keyboardChange(EventFields& fields);

}  // namespace vantile::hosts
