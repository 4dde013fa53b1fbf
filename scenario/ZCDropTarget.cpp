#include "scenario/ZCDropTarget.h"

#include "framework/base/HText.h"
#include "framework/gui/HComponent.h"

ZCDropTarget::ZCDropTarget()
{
    setClassName("ZCDropTarget");
}

ZCDropTarget::~ZCDropTarget() = default;

void ZCDropTarget::setDropHandler(ZCDropHandler handler)
{
    m_handler = handler;
}

bool ZCDropTarget::onDropped(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             HComponent* component, LRESULT* result)
{
    debug("[ZC]onDropped %s %u %s %s %s", HText::address(window).c_str(), message,
          HText::address(reinterpret_cast<void*>(wParam)).c_str(),
          HText::address(reinterpret_cast<void*>(lParam)).c_str(),
          HText::address(component).c_str());
    bool next = true;
    if (getFileCount() == 1 && m_handler != nullptr) {
        next = m_handler(component, HFile(getFile(0)));
    } else if (getFileCount() > 1) {
        HLOG_INFO("複数ファイルのドロップを無視しました");
    }
    *result = 0;
    return next;
}

bool ZCDropTarget::defaultOnDropped(HComponent* component, HFile file)
{
    HDebug::debug("defaultOnDropped:%s %s", HText::address(component).c_str(),
                  file.getFullPath().c_str());
    return true;
}
