#pragma once

#include <string>
#include <vector>

#include "framework/gui/HEventListener.h"

// A listener that writes its name into a shared journal whenever it is called, then answers
// as told: the result it stores (-1 leaves the result alone) and whether the walk goes on.
class RecordingListener : public HEventListener {
public:
    RecordingListener(const HEventType& type, const std::string& name,
                      std::vector<std::string>* journal);

    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;

    void setAnswer(LRESULT result, bool goOn)
    {
        m_result = result;
        m_goOn = goOn;
    }
    // The wParam of each call, in order.
    const std::vector<WPARAM>& getWParams() const { return m_wParams; }

private:
    std::string m_name;
    std::vector<std::string>* m_journal;  // not owned
    LRESULT m_result = -1;
    bool m_goOn = true;
    std::vector<WPARAM> m_wParams;
};
