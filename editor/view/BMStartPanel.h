#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/view/BMCanvas.h"
#include "editor/view/BMCommandId.h"
#include "framework/graphics/HFont.h"

class HGraphics;

// What the map view shows while no scenario is open: one panel in the middle of the view, in
// the look of the display's panels (dark, a light frame, white text, the row under the pointer
// in hover blue), listing the scenarios opened last and the installed game's scenarios as rows
// a click opens, then a row that opens any other folder and a line saying that a folder
// dropped on the window opens too. Rows carry the command a click sends: a scenario's item of
// the File menu, or its open item. Without installed scenarios it says where it looked.
class BMStartPanel {
public:
    struct Row {
        std::string label;  // Shift-JIS
        uint32_t command;
        std::string detail = std::string();  // right-aligned in grey, if it fits
    };
    // Pixel sizes of the layout.
    static constexpr int WIDTH = 372;
    static constexpr int ROW_HEIGHT = 18;
    static constexpr int OPEN_COMMAND = kCommandOpen;

    BMStartPanel();
    ~BMStartPanel();
    BMStartPanel(const BMStartPanel&) = delete;
    BMStartPanel& operator=(const BMStartPanel&) = delete;

    // The installed scenarios, in the order of the File menu.
    void setScenarios(const std::vector<Row>& scenarios);
    // The recent scenarios, newest first, listed above the installed ones.
    void setRecent(const std::vector<Row>& recent);
    // Lines under "none found" saying where the game was looked for.
    void setSearchNotes(const std::vector<std::string>& notes);
    // The view the panel stands in the middle of; as many scenario rows as fit are shown.
    void setViewSize(int width, int height);
    // Where the panel stands in the view.
    BMRect getBounds() const;
    // The command of the row under view pixel (px, py); 0 for none.
    uint32_t commandAt(int px, int py) const;
    // Marks the row under view pixel (px, py) (none outside the rows); true when that changes
    // the picture.
    bool hover(int px, int py);
    // Draws the panel at its place in the view.
    void draw(HGraphics* graphics);

private:
    // The rows that can be clicked, in order from the top: the recent scenarios, the
    // installed ones that fit, then the open row.
    std::vector<Row> clickableRows() const;
    // The top of clickable row i, in panel pixels.
    int rowTop(int i) const;
    int height() const;
    // Scenario rows that fit the view.
    int shownScenarios() const;
    // The top of the installed scenarios' first row, below the recent ones.
    int listTop() const;
    // Lines under the installed scenarios: "none found" with the notes, or "and N more".
    int linesBelow(int shown) const;
    void changed();
    void paint();

    std::vector<Row> m_scenarios;
    std::vector<Row> m_recent;
    std::vector<std::string> m_notes;
    int m_viewWidth = 0;
    int m_viewHeight = 0;
    int m_hovered = -1;  // clickable row under the pointer, -1 for none
    HFont m_font;
    std::unique_ptr<BMCanvas> m_canvas;
    bool m_painted = false;
};
