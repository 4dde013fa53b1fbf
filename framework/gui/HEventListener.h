#pragma once

#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"
#include "framework/gui/HEventType.h"

class HComponent;

// Application code that a component calls for one kind of message. A listener may name a
// next listener: the base handling forwards to it first, so a chain runs from its far end.
class HEventListener : public HObject {
public:
    explicit HEventListener(const HEventType& type);
    ~HEventListener() override;

    // Called for a message of this listener's code. Storing a value other than -1 in *result
    // consumes the message; returning false stops the component's walk of its listeners.
    // The base forwards to the next listener and returns its answer, or true without one.
    virtual bool handleEvent(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             HComponent* component, LRESULT* result);
    virtual void setEnabled(bool enabled);

    bool isEnabled() const { return m_enabled; }
    const HEventType& getType() const { return m_type; }
    void setNext(HEventListener* next) { m_next = next; }
    HEventListener* getNext() const { return m_next; }

private:
    HEventType m_type;
    bool m_enabled = true;
    HEventListener* m_next = nullptr;  // not owned
};
