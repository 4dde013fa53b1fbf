#include "framework/gui/HStatusBar.h"

#include <commctrl.h>

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
    return SendMessageA(getHandle(), SB_SETTEXTA, kSimplePart,
                        reinterpret_cast<LPARAM>(text.c_str())) != 0;
}
