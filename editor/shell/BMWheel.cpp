#include "editor/shell/BMWheel.h"

#include "editor/shell/BMWindow.h"
#include "editor/shell/BMZoomer.h"
#include "editor/view/BMDisplay.h"
#include "framework/gui/HImageView.h"

BMWheel::BMWheel(BMWindow* window)
    : HEventListener(HEventType(WM_MOUSEWHEEL, "WM_MOUSEWHEEL")), m_window(window)
{
    setClassName("BMWheel");
}

BMWheel::~BMWheel() = default;

bool BMWheel::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    BMDisplay* display = m_window->getDisplay();
    if (display == nullptr || m_window->getMapView()->getHandle() == nullptr) {
        return true;
    }
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    const int keys = GET_KEYSTATE_WPARAM(wParam);
    *result = 0;
    if ((keys & MK_CONTROL) != 0) {
        // The pointer, in the map view's pixels.
        POINT pointer = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(m_window->getMapView()->getHandle(), &pointer);
        const BMPoint anchor = {pointer.x, pointer.y};
        m_zoomRest += delta;
        for (; m_zoomRest >= NOTCH; m_zoomRest -= NOTCH) {
            BMZoomer::zoomTo(m_window, display->getLayout().getZoom().getStep() + 1, &anchor);
        }
        for (; m_zoomRest <= -NOTCH; m_zoomRest += NOTCH) {
            BMZoomer::zoomTo(m_window, display->getLayout().getZoom().getStep() - 1, &anchor);
        }
        return true;
    }
    m_scrollRest += delta;
    const int notches = m_scrollRest / NOTCH;
    m_scrollRest -= notches * NOTCH;
    if (notches != 0) {
        const int distance = notches * LINES * BMWindow::SCROLL_LINE;
        BMPoint scroll = display->getLayout().getScroll();
        if ((keys & MK_SHIFT) != 0) {
            scroll.x -= distance;
        } else {
            scroll.y -= distance;
        }
        display->scrollBy(0, scroll.x, scroll.y);
    }
    return true;
}
