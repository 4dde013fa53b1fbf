#pragma once

#include <cstdint>
#include <memory>

#include "editor/model/BMConstants.h"

class HContainer;
class HScrollBar;

// The map view's two scroll bars: which of them the canvas needs, where they stand beside the
// view, their range over the canvas, and the scroll requests sent through them. A request
// goes to the window as the bar itself would send it, so that the window's scroll listeners
// move the view whichever way the request came.
class BMScrollBars {
public:
    static constexpr int SIZE = 16;  // a bar's width (vertical) or height (horizontal)
    static constexpr int LINE = 32;  // one line of the arrows, in pixels

    // Both bars as children of window, hidden until placed.
    BMScrollBars(HContainer* window, uint32_t verticalId, uint32_t horizontalId);
    ~BMScrollBars();

    // Shows the bars the canvas needs in a client area of width x height (with statusHeight
    // at its foot) and places them beside the view; the view's size. A client area squeezed
    // below the bars and the status bar leaves an empty view, not a negative one.
    BMPoint place(int width, int height, int statusHeight, BMPoint canvas);
    // Sets the bars' range to the canvas and their page to the view, with the thumbs at
    // scroll limited to the range; the limited scroll.
    BMPoint cover(BMPoint canvas, BMPoint view, BMPoint scroll);
    // The thumbs' positions (x: horizontal, y: vertical).
    BMPoint getPositions() const;
    // A thumb request to (x, y), each limited to its bar's range; a hidden bar sends none.
    void scrollTo(int x, int y);
    // A page up or down (left or right) on one bar.
    void scrollPage(bool horizontal, bool forward);

private:
    void scrollBarTo(HScrollBar* bar, int position);
    void send(HScrollBar* bar, int code, int position);

    HContainer* m_window;  // not owned
    std::unique_ptr<HScrollBar> m_vertical;
    std::unique_ptr<HScrollBar> m_horizontal;
};
