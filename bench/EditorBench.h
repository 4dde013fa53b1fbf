#pragma once

// Speed and memory of the editing engine: whole-map and one-cell edits with their undo items,
// border tracing, and a full undo history.
void benchEditing();
