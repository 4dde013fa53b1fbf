#pragma once

#include <string>
#include <vector>

#include "framework/gui/HEventListener.h"

// Takes files dropped from the shell on a component's window (WM_DROPFILES). Derive from it
// and override onDropped to use the names.
class HDropTarget : public HEventListener {
public:
    HDropTarget();
    ~HDropTarget() override;

    // Accepts drops on the component's window (once it has one). One component at a time.
    void attach(HComponent* component);
    void detach();
    HComponent* getComponent() const { return m_component; }

    // Reads the dropped names, lets the shell free its list, then calls onDropped.
    bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     HComponent* component, LRESULT* result) override;
    virtual bool onDropped(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           HComponent* component, LRESULT* result);

    size_t getFileCount() const { return m_files.size(); }
    // The name at the index, or "" past the end.
    std::string getFile(size_t index) const;

private:
    HComponent* m_component = nullptr;  // not owned
    std::vector<std::string> m_files;
    // Filed with the component; hands WM_DROPFILES on to this target.
    HEventListener m_relay;
};
