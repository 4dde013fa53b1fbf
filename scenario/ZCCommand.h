#pragma once

#include <cstdint>
#include <map>

#include "framework/gui/HCommandListener.h"
#include "scenario/ZCHandler.h"

// Dispatches command ids (menus, accelerators, panel hot spots) to handler functions through
// a table, with a default handler for the ids the table does not know.
class ZCCommand : public HCommandListener {
public:
    ZCCommand();
    ~ZCCommand() override;

    // An id already in the table keeps its first handler.
    void addHandler(uint32_t id, ZCHandler handler);
    void setDefaultHandler(ZCHandler handler);
    // The handler of the id, else the default handler; false without either. The handler
    // gets the outermost component above the sender (the window that owns a menu).
    bool onCommand(HWND window, uint32_t id, HComponent* component) override;

    size_t getHandlerCount() const { return m_handlers.size(); }
    ZCHandler getHandler(uint32_t id) const;

private:
    std::map<uint32_t, ZCHandler> m_handlers;
    ZCHandler m_defaultHandler = nullptr;
};
