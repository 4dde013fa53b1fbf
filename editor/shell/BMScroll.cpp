#include "editor/shell/BMScroll.h"

#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "framework/gui/HScrollBar.h"

BMScroll::BMScroll(int orientation, BMWindow* window)
    : HScrollBarListener(orientation), m_window(window), m_display(window->getDisplay())
{
    setClassName("BMScroll");
    if (m_display == nullptr) {
        HLOG_INFO("error:no disp (disable listener)");
        setEnabled(false);
    }
}

BMScroll::~BMScroll() = default;

void BMScroll::setEnabled(bool enabled)
{
    HScrollBarListener::setEnabled(enabled);
    if (enabled && m_display == nullptr) {
        m_display = m_window->getDisplay();
        if (m_display == nullptr) {
            HScrollBarListener::setEnabled(false);
        }
    }
}

bool BMScroll::onScroll(HScrollBar* bar, int position)
{
    bar->setPosition(position);
    return onTrack(bar, position);
}

bool BMScroll::onTrack(HScrollBar* /*bar*/, int position)
{
    BMPoint scroll = m_display->getLayout().getScroll();
    if (getOrientation() == HScrollBar::HORIZONTAL) {
        scroll.x = position;
    } else {
        scroll.y = position;
    }
    m_display->setScroll(scroll.x, scroll.y);
    m_window->repaint();
    return true;
}
