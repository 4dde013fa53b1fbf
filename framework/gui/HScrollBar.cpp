#include "framework/gui/HScrollBar.h"

#include "framework/gui/HContainer.h"

HScrollBar::HScrollBar(HContainer* parent, uint32_t id, const std::string& text)
    : HComponent(text, id)
{
    setClassName("HScrollBar");
    ZeroMemory(&m_info, sizeof(m_info));
    m_info.cbSize = sizeof(m_info);
    m_info.fMask = SIF_ALL;
    m_info.nMax = 10;
    m_info.nPage = 1;
    if (parent != nullptr) {
        parent->add(this);
    }
}

HScrollBar::~HScrollBar() = default;

void HScrollBar::create()
{
    HLOG_START("create");
    DWORD style = getStyle() | (m_orientation == HORIZONTAL ? SBS_HORZ : SBS_VERT);
    if (createControl("SCROLLBAR", style)) {
        SetScrollInfo(getHandle(), SB_CTL, &m_info, TRUE);
    }
    HLOG_END("create");
}

void HScrollBar::setParameters(int orientation, int minimum, int maximum, int page, int line,
                               int position)
{
    m_orientation = orientation == HORIZONTAL ? HORIZONTAL : VERTICAL;
    m_info.nMin = minimum;
    m_info.nMax = maximum;
    m_info.nPage = page > 0 ? static_cast<UINT>(page) : 0;
    m_line = line;
    m_info.nPos = position;
    apply();
}

void HScrollBar::setPosition(int position)
{
    m_info.nPos = position;
    apply();
}

int HScrollBar::getPosition()
{
    if (getHandle() != nullptr) {
        SCROLLINFO info;
        ZeroMemory(&info, sizeof(info));
        info.cbSize = sizeof(info);
        info.fMask = SIF_POS;
        if (GetScrollInfo(getHandle(), SB_CTL, &info)) {
            m_info.nPos = info.nPos;
        }
    }
    return m_info.nPos;
}

void HScrollBar::apply()
{
    if (getHandle() != nullptr && isEnabled()) {
        m_info.fMask = SIF_ALL;
        SetScrollInfo(getHandle(), SB_CTL, &m_info, TRUE);
    }
}
