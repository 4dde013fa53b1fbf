#include "framework/gui/HComponent.h"

#include "framework/base/HText.h"
#include "framework/graphics/HFont.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HGraphicsFactory.h"
#include "framework/gui/HApplication.h"
#include "framework/gui/HContainer.h"
#include "framework/gui/HDefaultKeyListener.h"
#include "framework/gui/HDefaultPaintListener.h"
#include "framework/gui/HDropTarget.h"
#include "framework/gui/HEventListener.h"

namespace {

// Native handle -> component, for every component that has a window.
std::map<HWND, HComponent*>& registry()
{
    static std::map<HWND, HComponent*> components;
    return components;
}

}  // namespace

HComponent::HComponent(const std::string& text, uint32_t id)
    : m_id(id),
      m_text(text),
      m_keyListener(new HDefaultKeyListener()),
      m_paintListener(new HDefaultPaintListener())
{
    setClassName("HComponent");
}

HComponent::~HComponent()
{
    if (m_dropTarget != nullptr && m_dropTarget->getComponent() == this) {
        m_dropTarget->detach();
    }
    if (m_parent != nullptr) {
        m_parent->remove(this);
    }
    destroyWindowQuietly();
    if (m_brush != nullptr) {
        DeleteObject(m_brush);
    }
}

bool HComponent::isContainer() const
{
    return false;
}

void HComponent::setVisible(bool visible)
{
    m_visible = visible;
    if (m_window != nullptr) {
        // ShowWindow rather than a bare style change, so that the screen follows.
        ShowWindow(m_window, visible ? SW_SHOWNA : SW_HIDE);
    }
}

bool HComponent::createControl(const char* className, DWORD style)
{
    HWND parent = m_parent != nullptr ? m_parent->getHandle() : nullptr;
    if (m_window != nullptr || parent == nullptr) {
        return false;
    }
    HWND window = CreateWindowExA(0, className, m_text.c_str(), style | WS_CHILD, m_bounds.left,
                                  m_bounds.top, m_bounds.right - m_bounds.left,
                                  m_bounds.bottom - m_bounds.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<uintptr_t>(m_id)),
                                  HApplication::getInstanceHandle(), nullptr);
    if (window == nullptr) {
        return false;
    }
    setHandle(window);
    HComponent::create();
    return true;
}

void HComponent::create()
{
    if (m_window == nullptr) {
        return;
    }
    if (!hasListener(m_keyListener.get())) {
        addEventListener(m_keyListener.get());
    }
    if (!hasListener(m_paintListener.get())) {
        addEventListener(m_paintListener.get());
    }
    if (m_dropTarget != nullptr) {
        m_dropTarget->attach(this);
    }
    WNDPROC current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(m_window, GWLP_WNDPROC));
    // A window of a framework class already runs the shared procedure; keeping it as the
    // "previous" one would make every unanswered message call itself.
    if (current != windowProcedure) {
        m_previousProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProcedure)));
    }
    if (m_font != nullptr) {
        SendMessageA(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(m_font->getHandle(nullptr)),
                     TRUE);
    }
}

void HComponent::recreate()
{
    dispose();
    create();
}

void HComponent::dispose()
{
    if (m_window == nullptr) {
        return;
    }
    releaseGraphics();
    if (m_previousProcedure != nullptr) {
        SetWindowLongPtrA(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProcedure));
        m_previousProcedure = nullptr;
    }
    HWND window = m_window;
    if (!DestroyWindow(window)) {
        HLOG_INFO("DestroyWindow:error");
    }
    // A framework window has already been forgotten on WM_NCDESTROY; a control that got its
    // own procedure back has not.
    if (m_window == window) {
        setHandle(nullptr);
    }
}

HBRUSH HComponent::ctlColor(HDC dc)
{
    if (dc != nullptr) {
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, m_foreground.getColorRef());
        SetBkColor(dc, m_background.getColorRef());
    }
    if (m_brush == nullptr) {
        m_brush = CreateSolidBrush(m_background.getColorRef());
    }
    return m_brush;
}

void HComponent::paint()
{
}

void HComponent::draw(HGraphics* /*graphics*/)
{
}

void HComponent::repaint()
{
    if (m_window != nullptr) {
        InvalidateRect(m_window, nullptr, TRUE);
    }
}

void HComponent::layout()
{
}

LRESULT HComponent::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  bool useDefault)
{
    LRESULT result = -1;
    auto list = m_listeners.find(message);
    if (list != m_listeners.end()) {
        // By index: a listener may file further listeners while the list is walked.
        for (size_t i = 0; i < list->second.size(); ++i) {
            HEventListener* listener = list->second[i];
            if (!listener->isEnabled()) {
                continue;
            }
            if (!listener->handleEvent(window, message, wParam, lParam, this, &result)) {
                break;
            }
        }
    }
    if (result != -1) {
        return result;
    }
    if (m_previousProcedure == nullptr || useDefault) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return CallWindowProcA(m_previousProcedure, window, message, wParam, lParam);
}

HComponent* HComponent::findById(uint32_t id)
{
    return m_id == id ? this : nullptr;
}

void HComponent::focusNext()
{
    int count = m_parent != nullptr ? m_parent->getCount() : 0;
    int start = m_parent != nullptr ? m_parent->indexOf(this) : -1;
    if (start < 0) {
        return;
    }
    for (int step = 1; step < count; ++step) {
        HComponent* child = m_parent->getChild((start + step) % count);
        if (child->isFocusable() && child->isEnabled() && child->isVisible()) {
            child->setFocus();
            return;
        }
    }
}

void HComponent::focusPrevious()
{
    int count = m_parent != nullptr ? m_parent->getCount() : 0;
    int start = m_parent != nullptr ? m_parent->indexOf(this) : -1;
    if (start < 0) {
        return;
    }
    for (int step = 1; step < count; ++step) {
        HComponent* child = m_parent->getChild((start - step + count) % count);
        if (child->isFocusable() && child->isEnabled() && child->isVisible()) {
            child->setFocus();
            return;
        }
    }
}

void HComponent::setFocus()
{
    if (m_window != nullptr && m_focusable) {
        SetFocus(m_window);
    }
}

std::string HComponent::getText() const
{
    return m_text;
}

std::string HComponent::getWindowText() const
{
    if (m_window == nullptr) {
        return std::string();
    }
    int length = GetWindowTextLengthA(m_window);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(m_window, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

intptr_t HComponent::getUserData() const
{
    return m_userData;
}

bool HComponent::isEnabled() const
{
    return m_enabled;
}

void HComponent::setText(const std::string& text)
{
    m_text = text;
}

bool HComponent::setWindowText(const std::string& text)
{
    if (m_window == nullptr) {
        return false;
    }
    return SetWindowTextA(m_window, text.c_str()) != FALSE;
}

void HComponent::setUserData(intptr_t value)
{
    m_userData = value;
}

void HComponent::setEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_window != nullptr) {
        EnableWindow(m_window, enabled ? TRUE : FALSE);
    }
}

void HComponent::setEventsEnabled(bool enabled)
{
    for (auto& list : m_listeners) {
        for (HEventListener* listener : list.second) {
            listener->setEnabled(enabled);
        }
    }
}

void HComponent::setDropTarget(HDropTarget* target)
{
    if (m_dropTarget != target && m_dropTarget != nullptr &&
        m_dropTarget->getComponent() == this) {
        m_dropTarget->detach();
    }
    m_dropTarget = target;
    if (target != nullptr && m_window != nullptr) {
        target->attach(this);
    }
}

uint32_t HComponent::getStyle() const
{
    uint32_t style = 0;
    if (!m_enabled) {
        style |= WS_DISABLED;
    }
    if (m_visible) {
        style |= WS_VISIBLE;
    }
    return style;
}

void HComponent::setHandle(HWND window)
{
    if (m_window != nullptr) {
        auto entry = registry().find(m_window);
        if (entry != registry().end() && entry->second == this) {
            registry().erase(entry);
        }
        debug("HWND:del[%s]", HText::address(m_window).c_str());
    }
    m_window = window;
    if (window != nullptr) {
        registry()[window] = this;
        debug("HWND:new[%s]", HText::address(window).c_str());
    }
}

HComponent* HComponent::getTopLevel()
{
    HComponent* top = this;
    while (top->getParent() != nullptr) {
        top = top->getParent();
    }
    return top;
}

int32_t HComponent::getX() const
{
    return getBounds().left;
}

int32_t HComponent::getY() const
{
    return getBounds().top;
}

int32_t HComponent::getWidth() const
{
    RECT bounds = getBounds();
    return bounds.right - bounds.left;
}

int32_t HComponent::getHeight() const
{
    RECT bounds = getBounds();
    return bounds.bottom - bounds.top;
}

RECT HComponent::getBounds() const
{
    if (m_window == nullptr) {
        return m_bounds;
    }
    RECT bounds = {0, 0, 0, 0};
    GetWindowRect(m_window, &bounds);
    // A child is placed in its parent's client coordinates; the window rectangle is in
    // screen coordinates.
    HWND parent = GetParent(m_window);
    if (parent != nullptr && (GetWindowLongPtrA(m_window, GWL_STYLE) & WS_CHILD) != 0) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    }
    return bounds;
}

void HComponent::setBounds(int32_t x, int32_t y, int32_t width, int32_t height)
{
    m_bounds = {x, y, x + width, y + height};
    if (m_window != nullptr) {
        MoveWindow(m_window, x, y, width, height, TRUE);
    }
}

void HComponent::setWidth(int32_t width)
{
    setBounds(getX(), getY(), width, getHeight());
}

void HComponent::setHeight(int32_t height)
{
    setBounds(getX(), getY(), getWidth(), height);
}

void HComponent::moveCenter()
{
    int32_t width = getWidth();
    int32_t height = getHeight();
    int32_t x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int32_t y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    setBounds(x, y, width, height);
    debug("moveCenter:%d %d %d %d", getX(), getY(), getWidth(), getHeight());
}

void HComponent::setFont(HFont* font)
{
    m_font = font;
    if (m_window != nullptr) {
        HFONT handle = font != nullptr ? font->getHandle(nullptr) : nullptr;
        SendMessageA(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
    }
}

void HComponent::setBackground(const HColor& color)
{
    m_background = color;
    // The brush is made from the colour; a new colour needs a new brush.
    if (m_brush != nullptr) {
        DeleteObject(m_brush);
        m_brush = nullptr;
    }
}

bool HComponent::isVisible() const
{
    if (m_window != nullptr) {
        return IsWindowVisible(m_window) != FALSE;
    }
    return m_visible;
}

size_t HComponent::addEventListener(HEventListener* listener)
{
    if (listener == nullptr) {
        return 0;
    }
    std::vector<HEventListener*>& list = m_listeners[listener->getType().getCode()];
    list.push_back(listener);
    return list.size();
}

void HComponent::removeEventListener(HEventListener* listener)
{
    if (listener == nullptr) {
        return;
    }
    auto list = m_listeners.find(listener->getType().getCode());
    if (list == m_listeners.end()) {
        return;
    }
    // The list itself stays, even when empty: a walk over it may be in progress.
    std::vector<HEventListener*>& listeners = list->second;
    for (auto it = listeners.begin(); it != listeners.end();) {
        it = *it == listener ? listeners.erase(it) : it + 1;
    }
}

HEventListener* HComponent::getDefaultPaintListener() const
{
    return m_paintListener.get();
}

HComponent* HComponent::fromHandle(HWND window)
{
    if (window == nullptr) {
        return nullptr;
    }
    auto entry = registry().find(window);
    return entry != registry().end() ? entry->second : nullptr;
}

LRESULT CALLBACK HComponent::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam)
{
    HComponent* component = fromHandle(window);
    if (component == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = component->handleMessage(window, message, wParam, lParam, false);
    if (message == WM_NCDESTROY) {
        // The window is gone, whoever destroyed it: no registry entry may outlive it. Looked
        // up again, because a listener may have deleted the component meanwhile.
        component = fromHandle(window);
        if (component != nullptr) {
            component->forgetWindow();
        }
    }
    return result;
}

void HComponent::releaseGraphics()
{
    if (m_graphics != nullptr) {
        HGraphicsFactory::deleteInstance(this, m_graphics->getType());
        m_graphics = nullptr;
    }
}

bool HComponent::hasListener(const HEventListener* listener) const
{
    auto list = m_listeners.find(listener->getType().getCode());
    if (list == m_listeners.end()) {
        return false;
    }
    for (const HEventListener* filed : list->second) {
        if (filed == listener) {
            return true;
        }
    }
    return false;
}

void HComponent::forgetWindow()
{
    releaseGraphics();
    m_previousProcedure = nullptr;
    setHandle(nullptr);
}

void HComponent::destroyWindowQuietly()
{
    if (m_window == nullptr) {
        return;
    }
    releaseGraphics();
    HWND window = m_window;
    // Out of the registry first: the listeners of an object being destroyed must not run.
    setHandle(nullptr);
    if (m_previousProcedure != nullptr) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProcedure));
        m_previousProcedure = nullptr;
    }
    if (IsWindow(window)) {
        DestroyWindow(window);
    }
}
