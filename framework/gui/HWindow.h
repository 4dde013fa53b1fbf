#pragma once

#include <memory>
#include <string>

#include "framework/gui/HContainer.h"

class HDefaultCtlColorEListener;
class HDefaultCtlColorSListener;
class HDefaultDestroyListener;
class HDefaultNotifyListener;
class HMenuBar;

// The top-level window: registers its own window class, creates the native window with its
// children and menu bar, keeps a keyboard accelerator table and runs the message loop.
class HWindow : public HContainer {
public:
    static constexpr int ACCELERATOR_LIMIT = 128;
    static constexpr uint32_t DEFAULT_STYLE = 0x02CA0000;  // clip children, caption, system menu,
                                                       // minimise box

    explicit HWindow(uint32_t id = 0);
    ~HWindow() override;

    // true: creates the window if needed, shows it and runs the message loop until the quit
    // message; false when no window could be made. false: hides the window, returns false.
    virtual bool show(bool visible);
    void create() override;
    void dispose() override;
    // Draws through the loop's graphics device, if it has one.
    void paint() override;
    void layout() override;
    // The window itself, then the menu bar and its items, then the children.
    HComponent* findById(uint32_t id) override;
    void setResizable(bool resizable) override;
    virtual bool isShown() const;

    // Returns the new number of entries, or -1 when the table is full or could not be built.
    int addAccelerator(uint8_t flags, uint16_t key, uint16_t command);
    int getAcceleratorCount() const { return m_acceleratorCount; }
    // Entry i of the table, in the order added (i below the count).
    const ACCEL& getAccelerator(int i) const { return m_entries[i]; }
    HComponent* getMenuItem(uint32_t id) { return findById(id); }

    // The native window class's name; the object's own class name (HObject) is apart.
    void setClassName(const std::string& name) { m_windowClassName = name; }
    const std::string& getClassName() const { return m_windowClassName; }
    void setMenuBar(HMenuBar* bar);
    HMenuBar* getMenuBar() const { return m_menuBar; }
    uint32_t getWindowStyle() const { return m_style; }
    void setWindowStyle(uint32_t style) { m_style = style; }
    uint32_t getExtendedStyle() const { return m_extendedStyle; }
    void setExtendedStyle(uint32_t style) { m_extendedStyle = style; }
    void setOwner(HWND owner) { m_owner = owner; }
    HGraphics* getLoopGraphics() const { return m_loopGraphics; }

private:
    bool registerClass();
    bool buildAccelerators();
    void destroyAccelerators();
    // Takes and dispatches messages until the quit message arrives.
    void runLoop(bool idleDrawing);
    // The next message into the message record, waiting for it; false for the quit message.
    bool takeMessage(bool idleDrawing);
    // Tells the default window procedure about a key that an accelerator with Alt took.
    static void noteAltShortcut(const MSG& message);
    // True for an arrow, Page Up/Down, Home or End key, without Ctrl or Alt, pressed in a
    // window outside this one (an owned window beside it) that asks for the arrow keys
    // (WM_GETDLGCODE): that window scrolls or moves with it, not the accelerators.
    bool isOtherWindowsKey(const MSG& message) const;
    void releaseLoopGraphics();
    void unregisterClass();

    std::string m_windowClassName = "HWindow";
    WNDCLASSEXA m_classRecord;
    MSG m_message;
    ATOM m_atom = 0;
    HMenuBar* m_menuBar = nullptr;  // not owned
    uint32_t m_style = DEFAULT_STYLE;
    uint32_t m_extendedStyle = 0;
    std::unique_ptr<HDefaultDestroyListener> m_destroyListener;
    std::unique_ptr<HDefaultCtlColorEListener> m_editColorListener;
    std::unique_ptr<HDefaultCtlColorSListener> m_staticColorListener;
    std::unique_ptr<HDefaultNotifyListener> m_notifyListener;
    HBRUSH m_classBrush = nullptr;
    HACCEL m_accelerators = nullptr;
    ACCEL m_entries[ACCELERATOR_LIMIT];
    int m_acceleratorCount = 0;
    HWND m_owner = nullptr;
    HGraphics* m_loopGraphics = nullptr;  // made by the graphics factory, released through it
};
