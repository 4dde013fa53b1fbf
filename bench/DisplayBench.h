#pragma once

#include <string>

// The map display of the editor: frames composed and presented, drag steps, one-cell edits
// and map switches, through the Direct3D device and the GDI device, on the scenario folder,
// in a view of width x height pixels.
void benchDisplay(const std::string& scenario, int width, int height);
