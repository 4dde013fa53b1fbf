#pragma once

#include <string>

#include "framework/base/HFile.h"
#include "framework/graphics/HColor.h"

class HFont;
class HImage;

// Loads Windows BMP files into GDI images and draws text, frames and filled rectangles
// straight into an image's pixel buffer. The pixel helpers address rows in buffer order:
// top-down for a Direct3D image, bottom-up for a GDI image's pixel copy; colours are written
// in ARGB order. Positions left of or above the buffer are never written.
class HImageLoader {
public:
    enum Result { LOAD_OK = 0, LOAD_ERROR = 1, LOAD_NO_FILE = 2, LOAD_NO_IMAGE = 3 };

    // Loads the file into the image's bitmap, first resizing the image to the bitmap's size
    // when resize is set. Returns a Result; every failure writes an information line.
    static int loadImageFile(HFile file, HImage* image, bool resize);
    // Draws Shift-JIS text with its glyph tops at y + ascent - glyph origin; returns the
    // largest glyph advance, or -1 (no font, image or pixel buffer, or an empty text).
    static int drawString(HImage* image, int x, int y, HFont* font, const std::string& text,
                          const HColor& color);
    // The outline of w x h pixels at (x, y): the edges that lie inside the buffer.
    static void drawFrame(HImage* image, int x, int y, int w, int h, const HColor& color);
    // w x h pixels at (x, y), clipped to the buffer.
    static void fillRect(HImage* image, int x, int y, int w, int h, const HColor& color);
};
