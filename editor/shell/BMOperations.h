#pragma once

#include <cstdint>
#include <string>

#include "framework/base/HFile.h"

class BMData;
class BMRecovery;
class BMWindow;
class HComponent;

// The command handlers behind the menu items, accelerators and panel buttons of the main
// window. Each gets the main window and the command id, works through the editor data and
// the display, and answers true when the command was taken (the command table, BMCommandTable,
// says which handler runs which command). They live in one file a menu, around one frame
// (BMOperationFrame).
namespace BMOperations {

// Answers of saveHasEdited: the Win32 message-box results, plus 1 for nothing to save.
constexpr int NOTHING_TO_SAVE = 1;
constexpr int SAVED = 6;        // IDYES, and the save succeeded
constexpr int NOT_SAVED = 7;    // IDNO
constexpr int CANCELLED = 2;    // IDCANCEL, a failed save, or no data: stop

// File menu (BMFileOperations.cpp).
bool OP2101(HComponent* window, uint32_t id);  // open a scenario folder
bool OP2102(HComponent* window, uint32_t id);  // reload
bool OP2103(HComponent* window, uint32_t id);  // overwrite save
bool OP2104(HComponent* window, uint32_t id);  // save as
bool OP2106(HComponent* window, uint32_t id);  // exit; also the close request
bool OP2500(HComponent* window, uint32_t id);  // a scenario of the File menu (default)
// A folder dropped on the window opens as a scenario; a dropped file opens the scenario it
// belongs to (its folder, or the folder above a folder named Data).
bool openDropped(HComponent* window, HFile file);
// Offers to save unsaved edits before they would be lost; caption names the operation. No
// gives the edits up: recovery (nullptr for none) forgets their copy.
int saveHasEdited(HComponent* window, BMData* data, const std::string& caption,
                  BMRecovery* recovery);
// Loads the folder into a new data object and takes it in place of the old one only when
// everything was read; otherwise the old scenario stays as it was and the user is told.
// operation names the failure in the log ("OP2101" gives "OP2101:読込失敗").
bool openScenario(BMWindow* window, const HFile& folder, const char* operation,
                  const char* caption);

// The File menu's recent scenarios and game folder (BMSessionOperations.cpp).
bool OP2601(HComponent* window, uint32_t id);  // open a recent scenario
bool OP2610(HComponent* window, uint32_t id);  // choose the game's folder

// Edit menu (BMEditOperations.cpp).
bool OP2154(HComponent* window, uint32_t id);  // edit commands

// View and Move menus (BMViewOperations.cpp).
bool OP2201(HComponent* window, uint32_t id);  // zoom in, out, or to a step
bool OP2204(HComponent* window, uint32_t id);  // view flags and chooser pages
bool OP2251(HComponent* window, uint32_t id);  // cursor movement
bool OP2262(HComponent* window, uint32_t id);  // page scrolling

// Select menu (BMSelectOperations.cpp).
bool OP2301(HComponent* window, uint32_t id);  // mouse input mode, deselect, select all, same
bool OP2305(HComponent* window, uint32_t id);  // selection shape (the fill among them)
bool OP2310(HComponent* window, uint32_t id);  // edit mode
bool OP2316(HComponent* window, uint32_t id);  // step the current values
bool OP2332(HComponent* window, uint32_t id);  // take the highlighted chooser entry
bool OP2335(HComponent* window, uint32_t id);  // brush radius larger or smaller
bool OP2620(HComponent* window, uint32_t id);  // eyedropper on the cursor cell

// The whole scenario (BMScenarioOperations.cpp).
bool OP2640(HComponent* window, uint32_t id);  // show the overview
bool OP2641(HComponent* window, uint32_t id);  // replace a value across maps
// Opens area number's map, as the Data menu's steps do (the overview's click).
void openMap(BMWindow* window, uint32_t number);
// Asks for a PNG file and writes the whole overview into it.
void saveOverview(BMWindow* window);

// Data menu (BMDataOperations.cpp).
bool OP2351(HComponent* window, uint32_t id);  // map navigation
// The commands on the list of areas (add, remove, move, copy, overwrite, insert), each one
// undo step of the display's history. They need an open scenario; remove, move, copy and
// overwrite also a current map.
bool OP2356(HComponent* window, uint32_t id);
// The question asked before area number (1-based) is removed: its name, how many links of the
// other areas lead to it and that they become 0, and which area numbers change.
std::string removeQuestion(const BMData& data, uint32_t number, uint32_t links);

// Other menu and the area panel (BMOtherOperations.cpp).
bool OP2401(HComponent* window, uint32_t id);  // area data editor of the current map's area
bool OP2408(HComponent* window, uint32_t id);  // the version dialog
bool OP2005(HComponent* window, uint32_t id);  // play or stop the current area's music

// The problems list (BMProblemsOperations.cpp).
bool OP2621(HComponent* window, uint32_t id);  // show the problems list
// Opens the area data editor on the area at index (0-based, so area number index + 1) of the
// open scenario; OK applies the record as one undo step. False when there is no such area or
// the user cancelled or changed nothing.
bool openAreaEditor(BMWindow* window, uint32_t index);

}  // namespace BMOperations
