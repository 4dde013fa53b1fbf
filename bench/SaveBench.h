#pragma once

#include <string>

// The save figures of tessel_bench on a copy of a scenario folder (a Windows path): saving one
// changed map and all of them (only what changed, all or nothing) against writing every file,
// reading the scenario back, writing the recovery copy of unsaved edits, and saving a scenario
// of 200 areas after a move that renumbers every map.
void benchSaving(const std::string& scenario);
