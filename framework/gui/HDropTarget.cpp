#include "framework/gui/HDropTarget.h"

#include <shellapi.h>

#include "framework/base/HText.h"
#include "framework/gui/HComponent.h"

namespace {

// What DragAcceptFiles does, without loading the shell library for it: a window accepts
// dropped files by its extended style. The shell library is loaded when files are dropped.
void acceptFiles(HWND window, bool accept)
{
    LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    style = accept ? style | WS_EX_ACCEPTFILES : style & ~static_cast<LONG_PTR>(WS_EX_ACCEPTFILES);
    SetWindowLongPtrA(window, GWL_EXSTYLE, style);
}

}  // namespace

HDropTarget::HDropTarget()
    : HEventListener(HEventType::WM_DROPFILES_TYPE), m_relay(HEventType::WM_DROPFILES_TYPE)
{
    setClassName("HDropTarget");
    m_relay.setNext(this);
}

HDropTarget::~HDropTarget()
{
    detach();
}

void HDropTarget::attach(HComponent* component)
{
    if (m_component != nullptr && m_component != component) {
        detach();
    }
    m_component = component;
    if (component == nullptr) {
        return;
    }
    // The component keeps its target too; it calls back here when it has a window.
    if (component->getDropTarget() != this) {
        component->setDropTarget(this);
        return;
    }
    HWND window = component->getHandle();
    if (window != nullptr) {
        component->removeEventListener(&m_relay);
        component->addEventListener(&m_relay);
        acceptFiles(window, true);
    }
}

void HDropTarget::detach()
{
    HComponent* component = m_component;
    if (component == nullptr) {
        return;
    }
    m_component = nullptr;
    component->removeEventListener(&m_relay);
    if (component->getHandle() != nullptr) {
        acceptFiles(component->getHandle(), false);
    }
    if (component->getDropTarget() == this) {
        component->setDropTarget(nullptr);
    }
}

bool HDropTarget::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                              HComponent* component, LRESULT* result)
{
    if (message != WM_DROPFILES) {
        return true;
    }
    HDROP drop = reinterpret_cast<HDROP>(wParam);
    m_files.clear();
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string name(length + 1, '\0');
        UINT copied = DragQueryFileA(drop, i, &name[0], length + 1);
        name.resize(copied <= length ? copied : length);
        m_files.push_back(name);
    }
    DragFinish(drop);
    return onDropped(window, message, wParam, lParam, component, result);
}

bool HDropTarget::onDropped(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            HComponent* component, LRESULT* result)
{
    debug("onDropped %s %u %s %s %s", HText::address(window).c_str(), message,
          HText::address(reinterpret_cast<void*>(wParam)).c_str(),
          HText::address(reinterpret_cast<void*>(lParam)).c_str(),
          HText::address(component).c_str());
    *result = 0;
    return true;
}

std::string HDropTarget::getFile(size_t index) const
{
    return index < m_files.size() ? m_files[index] : std::string();
}
