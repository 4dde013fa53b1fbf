#pragma once

#include <cstdint>
#include <string>

#include "framework/base/HFile.h"

class BMData;
class BMWindow;
class HComponent;

// The command handlers behind the menu items, accelerators and panel buttons of the main
// window. Each gets the main window and the command id, works through the editor data and
// the display, and answers true when the command was taken (see the table in BMListeners).
namespace BMOperations {

// Answers of saveHasEdited: the Win32 message-box results, plus 1 for nothing to save.
constexpr int NOTHING_TO_SAVE = 1;
constexpr int SAVED = 6;        // IDYES, and the save succeeded
constexpr int NOT_SAVED = 7;    // IDNO
constexpr int CANCELLED = 2;    // IDCANCEL, a failed save, or no data: stop

bool OP2101(HComponent* window, uint32_t id);  // open a scenario folder
bool OP2102(HComponent* window, uint32_t id);  // reload
bool OP2103(HComponent* window, uint32_t id);  // overwrite save
bool OP2104(HComponent* window, uint32_t id);  // save as
bool OP2106(HComponent* window, uint32_t id);  // exit; also the close request
bool OP2154(HComponent* window, uint32_t id);  // edit commands
bool OP2201(HComponent* window, uint32_t id);  // zoom in, out, or to a step
bool OP2204(HComponent* window, uint32_t id);  // view flags and chooser pages
bool OP2251(HComponent* window, uint32_t id);  // cursor movement
bool OP2262(HComponent* window, uint32_t id);  // page scrolling
bool OP2301(HComponent* window, uint32_t id);  // mouse input mode, deselect, select all, same
bool OP2305(HComponent* window, uint32_t id);  // selection shape (fill 2333 among them)
bool OP2310(HComponent* window, uint32_t id);  // edit mode
bool OP2316(HComponent* window, uint32_t id);  // step the current values
bool OP2332(HComponent* window, uint32_t id);  // take the highlighted chooser entry
bool OP2335(HComponent* window, uint32_t id);  // brush radius larger (2335) or smaller (2336)
bool OP2351(HComponent* window, uint32_t id);  // map navigation
bool OP2401(HComponent* window, uint32_t id);  // area data editor of the current map's area
bool OP2408(HComponent* window, uint32_t id);  // the version dialog
bool OP2500(HComponent* window, uint32_t id);  // a scenario of the File menu (default)
bool OP2005(HComponent* window, uint32_t id);  // play or stop the current area's music

// A folder dropped on the window opens as a scenario; a dropped file opens the scenario it
// belongs to (its folder, or the folder above a folder named Data).
bool openDropped(HComponent* window, HFile file);

// Offers to save unsaved edits before they would be lost; caption names the operation.
int saveHasEdited(HComponent* window, BMData* data, const std::string& caption);
// Loads the folder into a new data object and takes it in place of the old one only when
// everything was read; otherwise the old scenario stays as it was and the user is told.
// operation names the failure in the log ("OP2101" gives "OP2101:読込失敗").
bool openScenario(BMWindow* window, const HFile& folder, const char* operation,
                  const char* caption);

// Opens the area data editor on the area at index (0-based, so area number index + 1) of the
// open scenario; OK applies the record as one undo step. False when there is no such area or
// the user cancelled or changed nothing.
bool openAreaEditor(BMWindow* window, uint32_t index);

}  // namespace BMOperations
