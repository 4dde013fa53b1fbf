#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/gui/HEventListener.h"

// Turns the raw mouse messages of one component into gestures: down, up, click, double
// click, begin drag, drag, end drag and move. Derive from it and override the callbacks;
// they read the position and buttons through the getters. The mouse is captured while a
// button is held, so that a drag goes on reporting outside the component.
class HMouseListener : public HEventListener {
public:
    static constexpr uint32_t BUTTON_LEFT = 1;     // MK_LBUTTON
    static constexpr uint32_t BUTTON_RIGHT = 2;    // MK_RBUTTON
    static constexpr uint32_t BUTTON_MIDDLE = 16;  // MK_MBUTTON

    // Files its relay listeners with the component (when one is given).
    explicit HMouseListener(HComponent* target);
    ~HMouseListener() override;

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
    // Also switches the relays, so that the component skips a disabled listener.
    void setEnabled(bool enabled) override;

    virtual bool onDown();
    // false keeps the gesture from ending in a click or an end of drag and keeps the capture.
    virtual bool onUp();
    virtual bool onClick();
    virtual bool onDoubleClick();
    // false holds back the drag callbacks of this move.
    virtual bool onMove();
    virtual bool onDrag();
    virtual bool onBeginDrag();
    virtual bool onEndDrag();

    uint32_t getKeyState() const { return m_keyState; }
    int32_t getX() const { return m_x; }
    int32_t getY() const { return m_y; }
    // 1 left, 2 right, 16 middle; 0 when a second button cancelled the gesture.
    uint32_t getPressedButton() const { return m_pressedButton; }
    int32_t getPressX() const { return m_pressX; }
    int32_t getPressY() const { return m_pressY; }
    bool isPressed() const { return m_pressed; }
    bool isDragging() const { return m_dragging; }
    HComponent* getTarget() const { return m_target; }

private:
    void logGesture(const char* name) const;
    bool isWithinThreshold() const;
    void buttonDown(HWND window, uint32_t button, bool doubleClick);
    void buttonUp(uint32_t button);
    void move();

    int32_t m_threshold = 3;
    HComponent* m_target;  // not owned
    uint32_t m_keyState = 0;
    int32_t m_x = 0;
    int32_t m_y = 0;
    bool m_pressed = false;
    bool m_doubleClickPress = false;
    uint32_t m_pressedButton = 0;
    int32_t m_pressX = 0;
    int32_t m_pressY = 0;
    bool m_dragging = false;
    // One per mouse message, each handing its message on to this listener.
    std::vector<std::unique_ptr<HEventListener>> m_relays;
};
