#pragma once

#include <cstdint>
#include <string>

#include "framework/base/HWin32.h"

class BMCommandTable;
class BMData;
class BMDisplay;
class BMRecovery;
class BMWindow;
class HComponent;

// What every command handler does around its body, and what it works with. Construction
// writes the journal's start line with the handler's name, finds the main window (the
// component the command came to), the editor data and the display, and writes the debug line
// "<name>:<window> <id> <data>"; destruction writes "<name>:result=<0|1>" and the journal's end
// line. The window's services (the command table, the recovery copy) come from here, so that
// the handlers and the helpers they call are handed them.
class BMOperationFrame {
public:
    // How the editor data is found: made on first use (a command can be what starts it), or
    // only taken when there is one (the commands that have nothing to work on before a
    // scenario is open).
    enum DataUse { MAKE_DATA, EXISTING_DATA };

    BMOperationFrame(const char* name, HComponent* window, uint32_t id, DataUse use = MAKE_DATA);
    ~BMOperationFrame();
    BMOperationFrame(const BMOperationFrame&) = delete;
    BMOperationFrame& operator=(const BMOperationFrame&) = delete;

    // nullptr when the command came to another component than the main window.
    BMWindow* window() const { return m_window; }
    BMData* data() const { return m_data; }
    BMDisplay* display() const { return m_display; }
    // The data and the display both there, as the editing bodies need them.
    bool ready() const { return m_data != nullptr && m_display != nullptr; }
    // The window's command table; only with a window.
    BMCommandTable& commands() const;
    // The keeper of the recovery copy; nullptr before the window's listeners exist.
    BMRecovery* recovery() const { return recoveryOf(m_window); }
    static BMRecovery* recoveryOf(const BMWindow* window);

    // A message box over the window.
    int tell(const std::string& text, const std::string& caption, UINT style) const;
    // The bodies that switch on the id say so of an id they do not know; the result is false.
    void unknownId();

    bool result = false;

private:
    const char* m_name;
    BMWindow* m_window;  // not owned, nor the two below
    BMData* m_data = nullptr;
    BMDisplay* m_display = nullptr;
};
