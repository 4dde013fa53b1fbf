#include "framework/gui/HStatusBar.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/gui/HApplication.h"
#include "framework/gui/HContainer.h"
#include "framework/gui/HStatusBarResizeListener.h"

namespace {

const WPARAM kSimplePart = 255;

}  // namespace

HStatusBar::HStatusBar(HContainer* parent, uint32_t id, const std::string& text, bool atTop,
                       bool sizeGrip)
    : HComponent(text, id),
      m_atTop(atTop),
      m_sizeGrip(sizeGrip),
      m_resizeListener(new HStatusBarResizeListener(this))
{
    setClassName("HStatusBar");
    setComponentType("StatusBar");
    setFocusable(false);
    if (parent != nullptr) {
        parent->add(this);
    }
}

HStatusBar::~HStatusBar()
{
    if (m_listenedParent != nullptr && m_listenedParent == getParent()) {
        m_listenedParent->removeEventListener(m_resizeListener.get());
    }
}

void HStatusBar::create()
{
    HLOG_START("create");
    HContainer* parent = getParent();
    if (getHandle() == nullptr && parent != nullptr && parent->getHandle() != nullptr) {
        parent->removeEventListener(m_resizeListener.get());
        parent->addEventListener(m_resizeListener.get());
        m_listenedParent = parent;
        InitCommonControls();
        DWORD style = getStyle() | WS_CHILD | (m_atTop ? CCS_TOP : CCS_BOTTOM);
        if (!m_atTop && m_sizeGrip) {
            style |= SBARS_SIZEGRIP;
        }
        HWND window = CreateWindowExA(0, STATUSCLASSNAMEA, getText().c_str(), style, 0, 0, 0, 0,
                                      parent->getHandle(),
                                      reinterpret_cast<HMENU>(static_cast<uintptr_t>(getId())),
                                      HApplication::getInstanceHandle(), nullptr);
        if (window != nullptr) {
            setHandle(window);
            HComponent::create();
            SendMessageA(window, SB_SIMPLE, TRUE, 0);
            // The simple part starts empty; it is the part that shows the bar's text.
            setWindowText(getText());
            fitParts();
        }
    }
    HLOG_END("create");
}

void HStatusBar::dispose()
{
    if (m_listenedParent != nullptr && m_listenedParent == getParent()) {
        m_listenedParent->removeEventListener(m_resizeListener.get());
    }
    m_listenedParent = nullptr;
    HComponent::dispose();
}

bool HStatusBar::setWindowText(const std::string& text)
{
    if (getHandle() == nullptr) {
        return false;
    }
    m_shownText = text;
    return SendMessageA(getHandle(), SB_SETTEXTA, m_rightWidth > 0 ? 0 : kSimplePart,
                        reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

bool HStatusBar::setRightPart(int width, const std::string& text)
{
    m_rightWidth = width > 0 ? width : 0;
    m_rightText = text;
    if (getHandle() == nullptr) {
        return false;
    }
    fitParts();
    return true;
}

// A simple bar shows one text; the parts, and their texts, show once it is no simple bar.
void HStatusBar::fitParts()
{
    HWND bar = getHandle();
    if (bar == nullptr) {
        return;
    }
    if (m_rightWidth == 0) {
        SendMessageA(bar, SB_SIMPLE, TRUE, 0);
        SendMessageA(bar, SB_SETTEXTA, kSimplePart, reinterpret_cast<LPARAM>(m_shownText.c_str()));
        return;
    }
    RECT client = {0, 0, 0, 0};
    GetClientRect(bar, &client);
    int edges[2] = {std::max(0, static_cast<int>(client.right) - m_rightWidth), -1};
    SendMessageA(bar, SB_SIMPLE, FALSE, 0);
    SendMessageA(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    SendMessageA(bar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(m_shownText.c_str()));
    SendMessageA(bar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(m_rightText.c_str()));
}
