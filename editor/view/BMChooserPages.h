#pragma once

#include <cstdint>

class BMEditor;

// The chooser panel's page and chosen entry: the list of areas in pages of 16 maps, the
// character chips in six pages of 40, or the one page of objects, heights or placement
// groups. Which list shows is the view's choice (VIEW_PAGE_ flags); this keeps only where
// in it the user is.
class BMChooserPages {
public:
    int getPage() const { return m_page; }
    int getPageCount() const { return m_pageCount; }
    // The chosen entry on the page, 1-based; 0 while none is chosen.
    int getIndex() const { return m_index; }
    // An entry picked on the panel (a hot spot of its lists or grids).
    void setIndex(int index) { m_index = index; }
    // Turns to page, wrapping: below 1 gives the last page, beyond the last the first. False
    // (and nothing turns) while the list has no page at all.
    bool setPage(int page);
    // Opens the list the view flags choose on the page that holds the current value: the
    // current map of maps (0: none) for the list of areas, else the editor's value.
    void setup(uint32_t viewFlags, int maps, int currentMap, const BMEditor& editor);

private:
    int m_page = 1;
    int m_pageCount = 1;
    int m_index = 0;
};
