#include "editor/shell/BMScrollBars.h"

#include <algorithm>

#include "framework/gui/HContainer.h"
#include "framework/gui/HScrollBar.h"

BMScrollBars::BMScrollBars(HContainer* window, uint32_t verticalId, uint32_t horizontalId)
    : m_window(window),
      m_vertical(new HScrollBar(window, verticalId, "")),
      m_horizontal(new HScrollBar(window, horizontalId, ""))
{
    m_vertical->setBounds(620, 0, SIZE, 400);
    m_horizontal->setBounds(0, 420, 600, SIZE);
    m_vertical->setParameters(HScrollBar::VERTICAL, 0, 4, 1, 1, 0);
    m_horizontal->setParameters(HScrollBar::HORIZONTAL, 0, 4, 1, 1, 0);
}

BMScrollBars::~BMScrollBars() = default;

BMPoint BMScrollBars::place(int width, int height, int statusHeight, BMPoint canvas)
{
    const bool needVertical = height < canvas.y;
    const bool needHorizontal = width < canvas.x;
    const int viewWidth = std::max(0, width - (needVertical ? SIZE : 0));
    const int viewHeight = std::max(0, height - (needHorizontal ? SIZE : 0) - statusHeight);
    m_vertical->setBounds(viewWidth, 0, SIZE, viewHeight);
    m_horizontal->setBounds(0, viewHeight, viewWidth, SIZE);
    m_vertical->setVisible(needVertical);
    m_vertical->setEnabled(needVertical);
    m_horizontal->setVisible(needHorizontal);
    m_horizontal->setEnabled(needHorizontal);
    return {viewWidth, viewHeight};
}

BMPoint BMScrollBars::cover(BMPoint canvas, BMPoint view, BMPoint scroll)
{
    scroll.x = std::max(0, std::min(scroll.x, canvas.x - view.x + 1));
    scroll.y = std::max(0, std::min(scroll.y, canvas.y - view.y + 1));
    m_vertical->setParameters(HScrollBar::VERTICAL, 0, canvas.y, view.y, LINE, scroll.y);
    m_horizontal->setParameters(HScrollBar::HORIZONTAL, 0, canvas.x, view.x, LINE, scroll.x);
    return scroll;
}

BMPoint BMScrollBars::getPositions() const
{
    return {m_horizontal->getPosition(), m_vertical->getPosition()};
}

void BMScrollBars::scrollTo(int x, int y)
{
    scrollBarTo(m_horizontal.get(), x);
    scrollBarTo(m_vertical.get(), y);
}

void BMScrollBars::scrollPage(bool horizontal, bool forward)
{
    send(horizontal ? m_horizontal.get() : m_vertical.get(), forward ? SB_PAGEDOWN : SB_PAGEUP,
         0);
}

void BMScrollBars::scrollBarTo(HScrollBar* bar, int position)
{
    const int highest = bar->getMaximum() - bar->getPage();
    if (position > highest) {
        position = highest;
    }
    if (position < bar->getMinimum()) {
        position = bar->getMinimum();
    }
    send(bar, SB_THUMBPOSITION, position);
}

void BMScrollBars::send(HScrollBar* bar, int code, int position)
{
    if (!bar->isVisible() || m_window->getHandle() == nullptr) {
        return;
    }
    const UINT message = bar == m_horizontal.get() ? WM_HSCROLL : WM_VSCROLL;
    SendMessageA(m_window->getHandle(), message,
                 MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(position)),
                 reinterpret_cast<LPARAM>(bar->getHandle()));
}
