#pragma once

#include <cstddef>
#include <string>

// Standard MIDI Files: any bytes load without fault, and load exactly when the header is
// sound. The tracks kept lie back to back inside the file, numbered in order; every message
// lies inside its track, after the one before it, with its time the sum of the deltas so far
// and its data inside the file. The play list holds every message of the tracks that take
// part, once, ordered by time, in the order that visiting every track for every message gives.
class FuzzMIDISource {
public:
    static const char* const FILE_NAME;  // read through the system in use
    // Longest input tried (-max_len): a few KB are hundreds of events and tracks, enough
    // for the running status, the variable-length numbers and the merge.
    static constexpr size_t MAX_LENGTH = 4096;

    // Empty when everything held; otherwise what broke.
    static std::string check();
};
