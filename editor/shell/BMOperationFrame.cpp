#include "editor/shell/BMOperationFrame.h"

#include "editor/model/BMData.h"
#include "editor/shell/BMListeners.h"
#include "editor/shell/BMMessageBox.h"
#include "editor/shell/BMWindow.h"
#include "framework/base/HText.h"

namespace {

// The journal names the handlers' own source, as it did while they all lived there.
const char* const kSource = "BMOperations.cpp";

}  // namespace

BMOperationFrame::BMOperationFrame(const char* name, HComponent* window, uint32_t id, DataUse use)
    : m_name(name), m_window(dynamic_cast<BMWindow*>(window))
{
    HDebug::log(HDebug::LV_JNL, HDebug::FMT_START, kSource, __LINE__, name);
    if (m_window != nullptr) {
        const bool handle = m_window->getHandle() != nullptr;
        if (use == MAKE_DATA) {
            m_data = BMData::getInstance(handle);
        } else if (handle) {
            m_data = BMData::getInstance(false);
        }
        m_display = m_window->getDisplay();
        HDebug::debug("%s:%s %u %s", name, HText::address(window).c_str(), id,
                      HText::address(m_data).c_str());
    }
}

BMOperationFrame::~BMOperationFrame()
{
    HDebug::debug("%s:result=%d", m_name, result ? 1 : 0);
    HDebug::log(HDebug::LV_JNL, HDebug::FMT_END, kSource, __LINE__, m_name);
}

BMCommandTable& BMOperationFrame::commands() const
{
    return m_window->getCommands();
}

BMRecovery* BMOperationFrame::recoveryOf(const BMWindow* window)
{
    if (window == nullptr || window->getListeners() == nullptr) {
        return nullptr;
    }
    return window->getListeners()->getRecovery();
}

int BMOperationFrame::tell(const std::string& text, const std::string& caption, UINT style) const
{
    return BMMessageBox::show(m_window, text, caption, style);
}

void BMOperationFrame::unknownId()
{
    HDebug::log(HDebug::LV_INF, HDebug::FMT_INFO, kSource, __LINE__, "warning:unknown menuid.");
    result = false;
}
