#pragma once

#include <memory>

#include "framework/base/HObject.h"

class BMMouse;
class BMRecovery;
class BMScroll;
class BMTimer;
class BMWheel;
class BMWindow;
class HEventListener;
class ZCClose;
class ZCCommand;
class ZCDropTarget;

// The editor's input besides the keyboard's accelerators: the command component that runs
// the operation of every menu item, accelerator and panel button (BMCommandTable), the close
// request, the mouse and its wheel, the two scroll bars and the redraw timer. The window files
// the listeners this hands out (the mouse listener files itself); they leave the window again
// when this goes.
class BMListeners : public HObject {
public:
    explicit BMListeners(BMWindow* window);  // not owned
    ~BMListeners() override;

    ZCCommand* getCommand() const { return m_command.get(); }
    ZCClose* getClose() const { return m_close.get(); }
    BMScroll* getVerticalScroll() const { return m_verticalScroll.get(); }
    BMScroll* getHorizontalScroll() const { return m_horizontalScroll.get(); }
    BMTimer* getTimer() const { return m_timer.get(); }
    BMMouse* getMouse() const { return m_mouse.get(); }
    BMWheel* getWheel() const { return m_wheel.get(); }
    BMRecovery* getRecovery() const { return m_recovery.get(); }
    // Rebuilds the map images 500 ms from now, unless this is called again first.
    void startRedrawTimer();

private:
    BMWindow* m_window;  // not owned
    std::unique_ptr<ZCCommand> m_command;
    std::unique_ptr<ZCClose> m_close;
    // A folder dropped on the window opens as a scenario.
    std::unique_ptr<ZCDropTarget> m_drop;
    std::unique_ptr<BMMouse> m_mouse;
    std::unique_ptr<BMScroll> m_verticalScroll;
    std::unique_ptr<BMScroll> m_horizontalScroll;
    std::unique_ptr<BMTimer> m_timer;
    std::unique_ptr<BMWheel> m_wheel;
    std::unique_ptr<BMRecovery> m_recovery;
};
