#pragma once

// The MIDI figures of tessel_bench: parsing and merging a large file, and (Windows only) the
// player's timing against its own schedule, with the platform's timer and a recording output,
// while the main thread runs a window's message loop (with a display).
void benchMidiParse();
void benchMidiTiming();
