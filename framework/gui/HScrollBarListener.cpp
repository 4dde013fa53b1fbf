#include "framework/gui/HScrollBarListener.h"

#include <algorithm>

#include "framework/gui/HScrollBar.h"

namespace {

const HEventType& typeFor(int orientation)
{
    return orientation == HScrollBar::HORIZONTAL ? HEventType::WM_HSCROLL_TYPE
                                                 : HEventType::WM_VSCROLL_TYPE;
}

}  // namespace

HScrollBarListener::HScrollBarListener(int orientation)
    : HEventListener(typeFor(orientation)), m_orientation(orientation)
{
    setClassName("HScrollBarListener");
}

HScrollBarListener::~HScrollBarListener() = default;

bool HScrollBarListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     HComponent* component, LRESULT* result)
{
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    HScrollBar* bar = dynamic_cast<HScrollBar*>(
        HComponent::fromHandle(reinterpret_cast<HWND>(lParam)));
    if (bar == nullptr || !bar->isEnabled()) {
        return true;
    }
    int position = bar->getPosition();
    int lowest = bar->getMinimum();
    int highest = bar->getMaximum() - bar->getPage() + 1;
    int thumb = HIWORD(wParam);
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        onScroll(bar, std::max(position - bar->getLine(), lowest));
        break;
    case SB_LINEDOWN:
        onScroll(bar, std::min(position + bar->getLine(), highest));
        break;
    case SB_PAGEUP:
        onScroll(bar, std::max(position - bar->getPage(), lowest));
        break;
    case SB_PAGEDOWN:
        onScroll(bar, std::min(position + bar->getPage(), highest));
        break;
    case SB_THUMBPOSITION:
        onScroll(bar, thumb);
        break;
    case SB_THUMBTRACK:
        onTrack(bar, thumb);
        break;
    case SB_TOP:
        onScroll(bar, lowest);
        break;
    case SB_BOTTOM:
        onScroll(bar, highest);
        break;
    case SB_ENDSCROLL:
        break;
    default:
        return true;
    }
    *result = 0;
    return true;
}

bool HScrollBarListener::onScroll(HScrollBar* bar, int position)
{
    bar->setPosition(position);
    return true;
}

bool HScrollBarListener::onTrack(HScrollBar* /*bar*/, int /*position*/)
{
    return true;
}
