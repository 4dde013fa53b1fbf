#include "tests/support/RecordingListener.h"

RecordingListener::RecordingListener(const HEventType& type, const std::string& name,
                                     std::vector<std::string>* journal)
    : HEventListener(type), m_name(name), m_journal(journal)
{
    setClassName("RecordingListener");
}

bool RecordingListener::handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    HComponent* component, LRESULT* result)
{
    // Chained listeners first, as every framework listener does.
    HEventListener::handleEvent(window, message, wParam, lParam, component, result);
    m_journal->push_back(m_name);
    m_wParams.push_back(wParam);
    if (m_result != -1) {
        *result = m_result;
    }
    return m_goOn;
}
