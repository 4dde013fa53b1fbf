#include "scenario/ZCCommand.h"

#include "framework/base/HText.h"
#include "framework/gui/HComponent.h"

ZCCommand::ZCCommand()
{
    setClassName("ZCCommand");
}

ZCCommand::~ZCCommand() = default;

void ZCCommand::addHandler(uint32_t id, ZCHandler handler)
{
    m_handlers.insert({id, handler});
}

void ZCCommand::setDefaultHandler(ZCHandler handler)
{
    m_defaultHandler = handler;
}

ZCHandler ZCCommand::getHandler(uint32_t id) const
{
    auto entry = m_handlers.find(id);
    return entry != m_handlers.end() ? entry->second : nullptr;
}

bool ZCCommand::onCommand(HWND window, uint32_t id, HComponent* component)
{
    debug("[ZC]onCommand handle=%s id=%u component=%s", HText::address(window).c_str(), id,
          HText::address(component).c_str());
    HComponent* target = component != nullptr ? component->getTopLevel() : nullptr;
    // An id in the table never falls through to the default, whatever its handler answers.
    auto entry = m_handlers.find(id);
    if (entry != m_handlers.end()) {
        return entry->second(target, id);
    }
    return m_defaultHandler != nullptr ? m_defaultHandler(target, id) : false;
}
