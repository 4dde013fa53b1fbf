#pragma once

#include <cstdint>

// Every command of the main window by name: the menus and their items (2100..2408, in steps of
// 50 a menu), the panel buttons that have no menu item (chooser pages 2215..2223, placement
// groups 2324..2332), the music line of the area panel and the first id of the installed
// game's scenario items. The numbers are what WM_COMMAND carries; the shell's command table
// gives each its label, key, state and handler.
enum BMCommandId : uint16_t {
    kCommandPlayMusic = 2005,  // the area panel's music line (the MIDI player's id)

    kCommandFileMenu = 2100,
    kCommandOpen = 2101,
    kCommandReload = 2102,
    kCommandSave = 2103,
    kCommandSaveAs = 2104,
    kCommandFileSeparator = 2105,
    kCommandExit = 2106,

    kCommandEditMenu = 2150,
    kCommandUndo = 2151,
    kCommandRedo = 2152,
    kCommandEditSeparator1 = 2153,
    kCommandSet = 2154,
    kCommandCancel = 2155,
    kCommandClear = 2156,
    kCommandReset = 2157,
    kCommandCopy = 2158,
    kCommandPaste = 2159,
    kCommandEditSeparator2 = 2160,
    kCommandSetCharacter = 2161,
    kCommandSetObject = 2162,
    kCommandSetHeight = 2163,
    kCommandSetPlacement = 2164,
    kCommandClearCharacter = 2165,
    kCommandClearObject = 2166,
    kCommandClearHeight = 2167,
    kCommandClearPlacement = 2168,
    kCommandClearAll = 2169,

    kCommandViewMenu = 2200,
    kCommandZoomIn = 2201,
    kCommandZoomOut = 2202,
    kCommandViewSeparator = 2203,
    // The view flags, in the order of their bits (VIEW_AREA_INFO is 1 << 0 ...).
    kCommandShowAreaInfo = 2204,
    kCommandShowMiniMap = 2205,
    kCommandShowPalette = 2206,
    kCommandShowGrid = 2207,
    kCommandShowCharacters = 2208,
    kCommandShowObjects = 2209,
    kCommandShowCharacterNumbers = 2210,
    kCommandShowObjectNumbers = 2211,
    kCommandShowHeights = 2212,
    kCommandShowPlacements = 2213,
    kCommandShowObjectOrder = 2214,
    // The chooser's pages and buttons (panel buttons only).
    kCommandChooseArea = 2215,
    kCommandChooseCharacter = 2216,
    kCommandChooseObject = 2217,
    kCommandChooseHeight = 2218,
    kCommandChoosePlacement = 2219,
    kCommandChooserPrevious = 2220,
    kCommandChooserNext = 2221,
    kCommandChooserClose = 2222,
    kCommandChooserCycle = 2223,
    // The zoom steps, 25 % first.
    kCommandZoom25 = 2224,
    kCommandZoom50 = 2225,
    kCommandZoom100 = 2226,
    kCommandZoom200 = 2227,

    kCommandMoveMenu = 2250,
    kCommandCursorUp = 2251,
    kCommandCursorDown = 2252,
    kCommandCursorLeft = 2253,
    kCommandCursorRight = 2254,
    kCommandCursorTop = 2255,
    kCommandCursorBottom = 2256,
    kCommandCursorLeftEnd = 2257,
    kCommandCursorRightEnd = 2258,
    kCommandCursorTopLeft = 2259,
    kCommandCursorBottomRight = 2260,
    kCommandMoveSeparator = 2261,
    kCommandScrollUp = 2262,
    kCommandScrollDown = 2263,
    kCommandScrollRight = 2264,
    kCommandScrollLeft = 2265,

    kCommandSelectMenu = 2300,
    kCommandMouseMode = 2301,
    kCommandSelectNone = 2302,
    kCommandSelectAll = 2303,
    kCommandSelectSeparator1 = 2304,
    // The selection shapes, in the order of their SHAPE_ values.
    kCommandShapeFree = 2305,
    kCommandShapeLine = 2306,
    kCommandShapeRectangle = 2307,
    kCommandShapeHexagon = 2308,
    kCommandSelectSeparator2 = 2309,
    kCommandModeCharacter = 2310,
    kCommandModeObject = 2311,
    kCommandModeHeight = 2312,
    kCommandModePlacement = 2313,
    kCommandModeBorder = 2314,
    kCommandSelectSeparator3 = 2315,
    kCommandNextCharacter = 2316,
    kCommandPreviousCharacter = 2317,
    kCommandNextObject = 2318,
    kCommandPreviousObject = 2319,
    kCommandHeightUp = 2320,
    kCommandHeightDown = 2321,
    kCommandNextGroup = 2322,
    kCommandPreviousGroup = 2323,
    // The palette's placement groups 1..8 (panel buttons only).
    kCommandGroup1 = 2324,
    kCommandGroup2 = 2325,
    kCommandGroup3 = 2326,
    kCommandGroup4 = 2327,
    kCommandGroup5 = 2328,
    kCommandGroup6 = 2329,
    kCommandGroup7 = 2330,
    kCommandGroup8 = 2331,
    kCommandTakeChooserEntry = 2332,  // a chooser row or chip (panel buttons only)
    kCommandShapeFill = 2333,
    kCommandSelectSameValue = 2334,
    kCommandBrushLarger = 2335,
    kCommandBrushSmaller = 2336,
    kCommandSelectSeparator4 = 2337,
    kCommandEyedropper = 2620,  // the value of the cursor cell becomes the current value
    kCommandProblems = 2621,    // the problems list of the open scenario

    kCommandDataMenu = 2350,
    kCommandNextMap = 2351,
    kCommandPreviousMap = 2352,
    kCommandFirstMap = 2353,
    kCommandLastMap = 2354,
    kCommandDataSeparator = 2355,
    kCommandAddMap = 2356,
    kCommandRemoveMap = 2357,
    kCommandMoveMap = 2358,
    kCommandCopyMap = 2359,
    kCommandOverwriteMap = 2360,
    kCommandInsertMap = 2361,

    kCommandOtherMenu = 2400,
    kCommandEditAreaData = 2401,
    kCommandEditTikeiType = 2402,
    kCommandEditMoveSkill = 2403,
    kCommandOtherSeparator1 = 2404,
    kCommandDeluge = 2405,
    kCommandVolcano = 2406,
    kCommandOtherSeparator2 = 2407,
    kCommandVersion = 2408,

    // The whole scenario: the overview and the replace across maps.
    kCommandOverview = 2640,
    kCommandReplace = 2641,
    kCommandOverviewSeparator = 2642,
    kCommandReplaceSeparator = 2643,

    // The installed game's scenario items: a separator with this id, then one item a scenario
    // from the next id on.
    kCommandScenarioMenu = 2500,

    // The File menu's recent scenarios, newest first (eight ids), the separator before them,
    // and the item that names the game's folder when it was not found, with its separator.
    kCommandRecentScenario = 2601,
    kCommandRecentSeparator = 2609,
    kCommandChooseGame = 2610,
    kCommandChooseGameSeparator = 2611,
};
