#pragma once

#include <cstddef>
#include <string>

// Clipboard texts of copied regions: whatever the reader takes holds only values a map can
// hold and writes back as the same records; a refused text changes nothing when pasted. A
// taken text pasted onto a blank map, in the edit mode and at the cursor cell the input picks,
// copies back as lines that, pasted again where the copy began, give the same lines and
// counts. Every paste undoes to the blank map.
class FuzzClipboardText {
public:
    static const char* const FILE_NAME;  // read through the system in use
    // Longest input tried (-max_len): a hundred-odd lines.
    static constexpr size_t MAX_LENGTH = 4096;

    // Empty when everything held; otherwise what broke.
    static std::string check();
};
