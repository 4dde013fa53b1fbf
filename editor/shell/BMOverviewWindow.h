#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/base/HWin32.h"

class BMData;
class BMOverviewPicture;
class HMemoryImage;

// The overview (全体図): a window beside the main one showing every area's map as a thumbnail
// in a grid, with the group links between them (BMOverviewPicture). A click on a tile opens
// that map; its menu saves the whole overview as a PNG file. The arrows, Page Up/Down, Home and
// End scroll it; other keys go to the editor's commands (the main window's accelerators):
// Ctrl+Z undoes from here too.
// It follows what the main window shows: the main window calls follow after every frame it
// asks for, and the overview paints again only when what it shows changed. Closing it hides
// it, keeping the thumbnails for the next time.
class BMOverviewWindow {
public:
    // open: opens area number in the editor; save: saves the overview (asks for the file).
    BMOverviewWindow(std::function<void(uint32_t)> open, std::function<void()> save);
    ~BMOverviewWindow();
    BMOverviewWindow(const BMOverviewWindow&) = delete;
    BMOverviewWindow& operator=(const BMOverviewWindow&) = delete;

    // Makes the window on the first call (owned by owner), then shows it and brings it up.
    void show(HWND owner);
    bool isShown() const;
    HWND getHandle() const { return m_window; }
    // The data may have changed: paints again when what the overview shows did.
    void follow();
    // The picture the window draws, for the saved overview.
    BMOverviewPicture& getPicture() { return *m_picture; }

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // Fits the grid to the client width and the scroll bar to the grid.
    void arrange();
    void scrollTo(int y);
    void paint();
    // What the shown part depends on, hashed.
    uint64_t signature(const BMData& data) const;

    std::function<void(uint32_t)> m_open;
    std::function<void()> m_save;
    std::unique_ptr<BMOverviewPicture> m_picture;
    std::unique_ptr<HMemoryImage> m_frame;
    HWND m_window = nullptr;
    const BMData* m_data = nullptr;  // the data the thumbnails are of
    int m_scroll = 0;
    uint64_t m_shown = 0;  // the signature last painted
};
