#include "editor/shell/BMListeners.h"

#include "editor/shell/BMCommandTable.h"
#include "editor/shell/BMMouse.h"
#include "editor/shell/BMOperations.h"
#include "editor/shell/BMRecovery.h"
#include "editor/shell/BMScroll.h"
#include "editor/shell/BMTimer.h"
#include "editor/shell/BMWheel.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMRenderer.h"
#include "framework/gui/HScrollBar.h"
#include "scenario/ZCClose.h"
#include "scenario/ZCCommand.h"
#include "scenario/ZCDropTarget.h"

BMListeners::BMListeners(BMWindow* window) : m_window(window)
{
    setClassName("BMListeners");
    m_command.reset(new ZCCommand());
    m_close.reset(new ZCClose());
    m_drop.reset(new ZCDropTarget());
    // The map images anew once a resize has settled.
    m_timer.reset(new BMTimer(window->getHandle(), [window] {
        if (window->getDisplay() != nullptr) {
            window->getDisplay()->getRenderer().resetImageBuffer();
            window->repaint();
        }
    }));
    m_recovery.reset(new BMRecovery(window->getHandle()));
    m_mouse.reset(new BMMouse(window));
    m_verticalScroll.reset(new BMScroll(HScrollBar::VERTICAL, window));
    m_horizontalScroll.reset(new BMScroll(HScrollBar::HORIZONTAL, window));
    m_wheel.reset(new BMWheel(window));
    BMCommandTable::addHandlers(m_command.get());
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

void BMListeners::startRedrawTimer()
{
    m_timer->start();
}
