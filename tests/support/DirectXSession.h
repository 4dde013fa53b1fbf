#pragma once

#include "framework/base/HWin32.h"

class HDirectX;

// The process's one Direct3D device object for tests, made on first use with a shared
// 320 x 240 window that lives until the process ends.
class DirectXSession {
public:
    static const int WIDTH = 320;
    static const int HEIGHT = 240;

    static HWND window();
    // Initialises Direct3D and returns the device object made for window(); nullptr when
    // Direct3D cannot be had.
    static HDirectX* device();
};
