#include "editor/shell/BMMouse.h"

#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"

BMMouse::BMMouse(BMWindow* window)
    : HMouseListener(window), m_window(window), m_display(window->getDisplay())
{
    setClassName("BMMouse");
    if (m_display == nullptr) {
        HLOG_INFO("error:no disp (disable listener)");
        setEnabled(false);
    }
}

BMMouse::~BMMouse() = default;

void BMMouse::setEnabled(bool enabled)
{
    HMouseListener::setEnabled(enabled);
    if (enabled && m_display == nullptr) {
        m_display = m_window->getDisplay();
        if (m_display == nullptr) {
            HMouseListener::setEnabled(false);
        }
    }
}

// The mouse message's key flags do not tell Alt: its key state does.
uint32_t BMMouse::keys() const
{
    return getKeyState() | (GetKeyState(VK_MENU) < 0 ? BMDisplay::KEY_ALT : 0);
}

// Alt let go after the eyedropper's press would open the menu bar (the default window procedure
// saw Alt go down and nothing else). It is told of the press as of a key taken with Alt, so that
// the menus stay closed; Alt alone and Alt with a letter still open them.
void BMMouse::noteAltPress() const
{
    if ((keys() & BMDisplay::KEY_ALT) != 0 && m_window->getHandle() != nullptr) {
        DefWindowProcA(m_window->getHandle(), WM_SYSKEYDOWN, VK_LBUTTON, KF_ALTDOWN << 16);
    }
}

bool BMMouse::onClick()
{
    if (getPressedButton() == BUTTON_LEFT && m_window->pressStartPanel(getPressX(), getPressY())) {
        return true;
    }
    bool used = false;
    if (getPressedButton() == BUTTON_LEFT) {
        used = m_display->pressLeft(getPressX(), getPressY(), keys());
        noteAltPress();
    } else if (getPressedButton() == BUTTON_RIGHT) {
        used = m_display->pressRight(getPressX(), getPressY());
    }
    return used || getPressedButton() != 0;
}

// The first click of a double click has done its work; a second press repeats only a panel
// button's command.
bool BMMouse::onDoubleClick()
{
    bool used = false;
    if (getPressedButton() == BUTTON_LEFT) {
        used = m_display->pressHotSpot(getPressX(), getPressY());
    }
    return used || getPressedButton() != 0;
}

// True lets the drag callbacks follow.
bool BMMouse::onMove()
{
    if (isDragging()) {
        return true;
    }
    if (m_window->hoverStartPanel(getX(), getY())) {
        return true;
    }
    return m_display->hover(getX(), getY());
}

bool BMMouse::onDrag()
{
    switch (getPressedButton()) {
    case BUTTON_LEFT:
        return m_display->moveDrag(getX(), getY(), getKeyState());
    case BUTTON_RIGHT:
    case BUTTON_MIDDLE:
        return m_display->movePan(getX() - getPressX(), getY() - getPressY());
    default:
        return false;
    }
}

bool BMMouse::onBeginDrag()
{
    switch (getPressedButton()) {
    case BUTTON_LEFT:
        return m_display->startDrag(getPressX(), getPressY(), keys());
    case BUTTON_RIGHT:
    case BUTTON_MIDDLE:
        return m_display->startPan();
    default:
        return false;
    }
}

bool BMMouse::onEndDrag()
{
    return getPressedButton() == BUTTON_LEFT ? m_display->endDrag(getX(), getY()) : false;
}
