#include "framework/gui/HMouseListener.h"

#include "framework/gui/HComponent.h"

HMouseListener::HMouseListener(HComponent* target)
    : HEventListener(HEventType::UNDEFINED_TYPE), m_target(target)
{
    setClassName("HMouseListener");
    const HEventType* types[] = {
        &HEventType::WM_LBUTTONDOWN_TYPE,   &HEventType::WM_LBUTTONUP_TYPE,
        &HEventType::WM_MBUTTONDOWN_TYPE,   &HEventType::WM_MBUTTONUP_TYPE,
        &HEventType::WM_RBUTTONDOWN_TYPE,   &HEventType::WM_RBUTTONUP_TYPE,
        &HEventType::WM_LBUTTONDBLCLK_TYPE, &HEventType::WM_MBUTTONDBLCLK_TYPE,
        &HEventType::WM_RBUTTONDBLCLK_TYPE, &HEventType::WM_MOUSEMOVE_TYPE,
    };
    for (const HEventType* type : types) {
        m_relays.emplace_back(new HEventListener(*type));
        m_relays.back()->setNext(this);
        if (target != nullptr) {
            target->addEventListener(m_relays.back().get());
        }
    }
}

HMouseListener::~HMouseListener()
{
    if (m_target != nullptr) {
        for (const auto& relay : m_relays) {
            m_target->removeEventListener(relay.get());
        }
    }
}

bool HMouseListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 HComponent* component, LRESULT* result)
{
    if (component != m_target) {
        return false;
    }
    m_keyState = static_cast<uint32_t>(wParam);
    // Signed: the pointer is left or above the client area while the mouse is captured.
    m_x = static_cast<int16_t>(LOWORD(lParam));
    m_y = static_cast<int16_t>(HIWORD(lParam));
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        buttonDown(window, BUTTON_LEFT, message == WM_LBUTTONDBLCLK);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        buttonDown(window, BUTTON_RIGHT, message == WM_RBUTTONDBLCLK);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        buttonDown(window, BUTTON_MIDDLE, message == WM_MBUTTONDBLCLK);
        break;
    case WM_LBUTTONUP:
        buttonUp(BUTTON_LEFT);
        break;
    case WM_RBUTTONUP:
        buttonUp(BUTTON_RIGHT);
        break;
    case WM_MBUTTONUP:
        buttonUp(BUTTON_MIDDLE);
        break;
    case WM_MOUSEMOVE:
        move();
        break;
    default:
        return true;
    }
    *result = 0;
    return true;
}

void HMouseListener::setEnabled(bool enabled)
{
    HEventListener::setEnabled(enabled);
    for (const auto& relay : m_relays) {
        relay->setEnabled(enabled);
    }
}

void HMouseListener::buttonDown(HWND window, uint32_t button, bool doubleClick)
{
    // A second button while one is held ends the gesture.
    m_pressedButton = m_pressed ? 0 : button;
    m_pressX = m_x;
    m_pressY = m_y;
    m_pressed = !m_pressed;
    m_doubleClickPress = m_pressed && doubleClick;
    if (m_pressed) {
        onDown();
        SetCapture(window);
    } else {
        if (m_dragging) {
            onEndDrag();
        }
        ReleaseCapture();
    }
    m_dragging = m_dragging && m_pressed;
}

void HMouseListener::buttonUp(uint32_t button)
{
    if (onUp() && m_pressed) {
        if (m_dragging) {
            onEndDrag();
        }
        ReleaseCapture();
        if (!m_dragging && m_pressedButton == button && isWithinThreshold()) {
            if (m_doubleClickPress) {
                onDoubleClick();
            } else {
                onClick();
            }
        }
    }
    m_pressed = false;
    m_doubleClickPress = false;
    m_dragging = false;
}

void HMouseListener::move()
{
    bool wasDragging = m_dragging;
    m_dragging = m_dragging || (m_pressed && !isWithinThreshold());
    if (!onMove()) {
        return;
    }
    if (m_dragging && !wasDragging) {
        onBeginDrag();
    }
    if (m_dragging) {
        onDrag();
    }
}

bool HMouseListener::isWithinThreshold() const
{
    return m_pressX - m_threshold <= m_x && m_x <= m_pressX + m_threshold &&
           m_pressY - m_threshold <= m_y && m_y <= m_pressY + m_threshold;
}

bool HMouseListener::onDown()
{
    logGesture("onDown");
    return true;
}

bool HMouseListener::onUp()
{
    logGesture("onUp");
    return true;
}

bool HMouseListener::onClick()
{
    logGesture("onClick");
    return true;
}

bool HMouseListener::onDoubleClick()
{
    logGesture("onDoubleClick");
    return true;
}

bool HMouseListener::onMove()
{
    return true;
}

bool HMouseListener::onDrag()
{
    return true;
}

bool HMouseListener::onBeginDrag()
{
    logGesture("onBeginDrag");
    return true;
}

bool HMouseListener::onEndDrag()
{
    logGesture("onEndDrag");
    return true;
}

void HMouseListener::logGesture(const char* name) const
{
    debug("%s:btn=%u, x=%d, y=%d dBtn=%u, dx=%d, dy=%d", name, m_keyState, m_x, m_y,
          m_pressedButton, m_pressX, m_pressY);
}
