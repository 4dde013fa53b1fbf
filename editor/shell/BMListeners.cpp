#include "editor/shell/BMListeners.h"

#include "editor/shell/BMMapOperations.h"
#include "editor/shell/BMMouse.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMRecovery.h"
#include "editor/shell/BMScroll.h"
#include "editor/shell/BMTimer.h"
#include "editor/shell/BMWheel.h"
#include "editor/shell/BMWindow.h"
#include "framework/gui/HScrollBar.h"
#include "scenario/ZCClose.h"
#include "scenario/ZCCommand.h"
#include "scenario/ZCDropTarget.h"

namespace {

struct CommandRange {
    uint32_t first;
    uint32_t last;
    ZCHandler handler;
};

// The command table: 104 ids. Ids without an entry (the scenario menu among them) go to the
// default handler.
const CommandRange kCommands[] = {
    {2101, 2101, BMOperations::OP2101},
    {2102, 2102, BMOperations::OP2102},
    {2103, 2103, BMOperations::OP2103},
    {2104, 2104, BMOperations::OP2104},
    {2106, 2106, BMOperations::OP2106},
    {2151, 2152, BMOperations::OP2154},
    {2154, 2159, BMOperations::OP2154},
    {2161, 2169, BMOperations::OP2154},
    {2201, 2202, BMOperations::OP2201},
    {2204, 2223, BMOperations::OP2204},
    {2224, 2227, BMOperations::OP2201},
    {2251, 2260, BMOperations::OP2251},
    {2262, 2265, BMOperations::OP2262},
    {2301, 2303, BMOperations::OP2301},
    {2305, 2308, BMOperations::OP2305},
    {2310, 2314, BMOperations::OP2310},
    {2316, 2331, BMOperations::OP2316},
    {2332, 2332, BMOperations::OP2332},
    {2333, 2333, BMOperations::OP2305},
    {2334, 2334, BMOperations::OP2301},
    {2335, 2336, BMOperations::OP2335},
    {2351, 2354, BMOperations::OP2351},
    {2356, 2361, BMMapOperations::OP2356},
    {2005, 2005, BMOperations::OP2005},  // the area panel's music line
    {2401, 2401, BMOperations::OP2401},
    {2408, 2408, BMOperations::OP2408},
};

}  // namespace

BMListeners::BMListeners(BMWindow* window) : m_window(window)
{
    setClassName("BMListeners");
    m_command.reset(new ZCCommand());
    m_close.reset(new ZCClose());
    m_drop.reset(new ZCDropTarget());
    m_timer.reset(new BMTimer(window->getHandle()));
    m_recovery.reset(new BMRecovery(window->getHandle()));
    m_mouse.reset(new BMMouse(window));
    m_verticalScroll.reset(new BMScroll(HScrollBar::VERTICAL, window));
    m_horizontalScroll.reset(new BMScroll(HScrollBar::HORIZONTAL, window));
    m_wheel.reset(new BMWheel(window));
    registerCommands();
    m_command->setDefaultHandler(BMOperations::OP2500);
    m_close->setCloseHandler(BMOperations::OP2106);
    m_drop->setDropHandler(BMOperations::openDropped);
    window->setDropTarget(m_drop.get());
}

BMListeners::~BMListeners()
{
    HEventListener* filed[] = {m_command.get(), m_close.get(), m_timer.get(),
                               m_verticalScroll.get(), m_horizontalScroll.get(), m_wheel.get(),
                               m_recovery.get()};
    for (HEventListener* listener : filed) {
        m_window->removeEventListener(listener);
    }
    m_window->setDropTarget(nullptr);
    m_command.reset();
    m_mouse.reset();
    m_drop.reset();
    m_close.reset();
    m_verticalScroll.reset();
    m_horizontalScroll.reset();
    m_timer.reset();
    m_wheel.reset();
    m_recovery.reset();
}

void BMListeners::registerCommands()
{
    for (const CommandRange& range : kCommands) {
        for (uint32_t id = range.first; id <= range.last; ++id) {
            m_command->addHandler(id, range.handler);
        }
    }
}

void BMListeners::startRedrawTimer()
{
    m_timer->start();
}
