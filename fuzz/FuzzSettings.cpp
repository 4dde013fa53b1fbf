#include "fuzz/FuzzSettings.h"

#include <set>

#include "editor/model/BMBrush.h"
#include "editor/model/BMConstants.h"
#include "editor/model/BMSettings.h"

const char* const FuzzSettings::FILE_NAME = "settings.ini";

namespace {

bool within(int value, int low, int high)
{
    return value >= low && value <= high;
}

std::string checkRanges(const BMSettings& s)
{
    if (s.hasWindow && (s.window.width < 1 || s.window.height < 1)) {
        return "a window without a size";
    }
    if (!within(s.miniMapCorner, 0, 3) || !within(s.brushRadius, 0, BMBrush::MAX_RADIUS) ||
        !within(s.mouseMode, MOUSE_DIRECT, MOUSE_SELECT) ||
        !within(s.shape, SHAPE_FREE, SHAPE_FILL) || s.viewFlags > 0xFFFF ||
        s.chooserPage < 1) {
        return "a value out of its range";
    }
    const int mode = s.editMode;
    if (mode != MODE_CHAR && mode != MODE_OBJ && mode != MODE_HEIGHT && mode != MODE_PLACEMENT &&
        mode != MODE_BORDER) {
        return "an edit mode that is none";
    }
    std::set<std::string> folders;
    for (const BMRecentScenario& e : s.recent.entries()) {
        if (e.folder.empty() || !folders.insert(e.folder).second) {
            return "an empty or repeated recent folder";
        }
        if (e.map < 1 || !within(e.cursorX, 0, MAP_SIZE - 1) ||
            !within(e.cursorY, 0, MAP_SIZE - 1)) {
            return "a recent scenario's place out of the map";
        }
    }
    if (s.recent.entries().size() > BMRecentList::LIMIT) {
        return "more recent scenarios than the limit";
    }
    return std::string();
}

}  // namespace

std::string FuzzSettings::check()
{
    BMSettings settings;
    int unread = 0;
    if (!settings.load(HFile(FILE_NAME), &unread)) {
        return "the file could not be read";
    }
    std::string failure = checkRanges(settings);
    if (!failure.empty()) {
        return failure;
    }
    // What was taken writes a text that, read over the same first values, gives it back.
    BMSettings back;
    if (back.read(settings.write()) != 0) {
        return "the written settings do not read whole";
    }
    if (!(back == settings)) {
        return "the written settings read back otherwise";
    }
    return std::string();
}

#ifdef TESSEL_LIBFUZZER
#include "fuzz/FuzzMemoryFile.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    return FuzzMemoryFile::initialize(argc, argv, FuzzSettings::MAX_LENGTH);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return FuzzMemoryFile::test(FuzzSettings::FILE_NAME, data, size, FuzzSettings::check);
}
#endif
