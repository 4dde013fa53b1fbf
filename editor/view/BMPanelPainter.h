#pragma once

#include <cstdint>
#include <string>

class BMData;
class BMDisplay;
class BMRenderer;
class HColor;
class HImage;

// Paints the three panels of the display into their images: the area information, the
// palette with the current values, modes and shapes, and the chooser with its five pages.
// Hovered hot spots are filled or framed in hover blue. Used for one redraw at a time.
class BMPanelPainter {
public:
    // Both not owned; the display must have a map.
    BMPanelPainter(BMRenderer& renderer, const BMDisplay& display);

    void paintAreaInfo(HImage* panel);
    // Everything paintAreaInfo shows, as one text: equal texts paint equal panels. (Change
    // the two together.)
    std::string areaInfoLook() const;
    void paintPalette(HImage* panel);
    void paintChooser(HImage* panel);

private:
    // Panel text in the panel font, cut to fit width pixels.
    void text(HImage* panel, int x, int y, const std::string& text, const HColor& color,
              int width);
    bool hovered(int spot) const;
    // Fills a hot spot's rectangle in hover blue while the pointer is on it.
    void fillHovered(HImage* panel, int spot);
    // " NN:" and the name of an area; " 00:未接続" for none.
    std::string linkText(uint32_t area) const;
    void paintModeTabs(HImage* panel);
    void paintCurrentValues(HImage* panel);
    void paintGroupButtons(HImage* panel);
    // Whether placement group index 0..7 holds fewer cells than the map file could.
    bool groupThin(int group) const;
    void paintShapeButtons(HImage* panel);
    void paintBrush(HImage* panel);
    void paintAreaPage(HImage* panel);
    void paintChipPage(HImage* panel, HImage* chips, int first, int last);
    void paintHeightPage(HImage* panel);
    void paintConnectionPage(HImage* panel);
    // Frames a chooser entry: the chosen one in cursor yellow, else a hovered one in hover
    // blue.
    void frameEntry(HImage* panel, int spot, int entry, int grow);

    BMRenderer& m_renderer;
    const BMDisplay& m_display;
    BMData* m_data;  // not owned
};
