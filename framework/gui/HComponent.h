#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"
#include "framework/graphics/HColor.h"

class HContainer;
class HDefaultKeyListener;
class HDefaultPaintListener;
class HDropTarget;
class HEventListener;
class HFont;
class HGraphics;

// The base of every control and window: one native window handle and the listeners that its
// messages reach. Every native window of the framework runs the one shared window procedure,
// which finds the component through a process-wide registry of handles and dispatches the
// message to the listeners filed under its code, in registration order.
//
// A component exists first without a native window; its setters then only store. Subclasses
// make the native window in create() and hand it over through setHandle().
class HComponent : public HObject {
public:
    HComponent(const std::string& text, uint32_t id);
    ~HComponent() override;

    virtual bool isContainer() const;
    virtual void setVisible(bool visible);
    // Takes over the window that a subclass has just made: default listeners, drop target,
    // the shared window procedure in place of the control's own, and the font.
    virtual void create();
    virtual void recreate();
    // Gives the control its own procedure back and destroys the native window.
    virtual void dispose();
    // Colours a device context for a control and returns its background brush.
    virtual HBRUSH ctlColor(HDC dc);
    virtual void paint();
    virtual void draw(HGraphics* graphics);
    virtual void repaint();
    virtual void layout();
    // Walks the listeners of the message's code; without a result from them, the platform's
    // default procedure (or the control's own, unless useDefault) answers.
    virtual LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  bool useDefault);
    virtual HComponent* findById(uint32_t id);
    virtual void focusNext();
    virtual void focusPrevious();
    virtual void setFocus();
    virtual std::string getText() const;
    virtual std::string getWindowText() const;
    // A value for the application; wide enough to hold a pointer.
    virtual intptr_t getUserData() const;
    virtual bool isEnabled() const;
    virtual void setText(const std::string& text);
    virtual bool setWindowText(const std::string& text);
    virtual void setUserData(intptr_t value);
    virtual void setEnabled(bool enabled);
    virtual void setEventsEnabled(bool enabled);
    virtual void setDropTarget(HDropTarget* target);
    virtual uint32_t getStyle() const;

    uint32_t getId() const { return m_id; }
    void setId(uint32_t id) { m_id = id; }
    HWND getHandle() const { return m_window; }
    // Enters the handle in the registry (and takes the old one out).
    void setHandle(HWND window);
    HContainer* getParent() const { return m_parent; }
    void setParent(HContainer* parent) { m_parent = parent; }
    // The outermost container above this component, or this component without a parent.
    HComponent* getTopLevel();

    const std::string& getComponentType() const { return m_componentType; }

    // Position and size: the window's, relative to its parent's client area for a child,
    // or the stored bounds without a window.
    int32_t getX() const;
    int32_t getY() const;
    int32_t getWidth() const;
    int32_t getHeight() const;
    RECT getBounds() const;
    void setBounds(int32_t x, int32_t y, int32_t width, int32_t height);
    void setWidth(int32_t width);
    void setHeight(int32_t height);
    void moveCenter();

    void setFont(HFont* font);
    HFont* getFont() const { return m_font; }
    void setForeground(const HColor& color) { m_foreground = color; }
    void setBackground(const HColor& color);
    const HColor& getForeground() const { return m_foreground; }
    const HColor& getBackground() const { return m_background; }
    void setFocusable(bool focusable) { m_focusable = focusable; }
    bool isFocusable() const { return m_focusable; }
    bool isVisible() const;

    // Files the listener under its code, after those already there; the same listener may be
    // filed twice. Returns the number of listeners now filed under that code.
    size_t addEventListener(HEventListener* listener);
    // Takes every filing of the listener out; listeners that go away before their component
    // call this.
    void removeEventListener(HEventListener* listener);
    HEventListener* getDefaultPaintListener() const;
    HDropTarget* getDropTarget() const { return m_dropTarget; }
    HGraphics* getGraphics() const { return m_graphics; }
    void setGraphics(HGraphics* graphics) { m_graphics = graphics; }

    // The component registered for a native handle, or nullptr.
    static HComponent* fromHandle(HWND window);
    // The procedure of every framework window class and of every taken-over control.
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

protected:
    void setComponentType(const std::string& type) { m_componentType = type; }
    // The stored bounds, whatever the window says.
    const RECT& getStoredBounds() const { return m_bounds; }
    // Makes a native child control of the given class at the stored bounds, with the id as its
    // control id, and takes it over; false when there is no parent window or creation failed.
    bool createControl(const char* className, DWORD style);
    void releaseGraphics();
    // Destroys the window without letting any listener see its last messages (for
    // destructors, when derived parts and their listeners may be gone).
    void destroyWindowQuietly();

private:
    bool hasListener(const HEventListener* listener) const;
    // The window was destroyed behind our back: forget it without touching it.
    void forgetWindow();

    uint32_t m_id;
    HWND m_window = nullptr;
    HContainer* m_parent = nullptr;  // not owned
    std::string m_componentType;
    std::string m_text;
    intptr_t m_userData = 0;
    RECT m_bounds = {0, 0, 0, 0};
    HFont* m_font = nullptr;  // not owned
    HColor m_foreground;
    HColor m_background;
    HBRUSH m_brush = nullptr;
    bool m_visible = true;
    bool m_enabled = true;
    bool m_focusable = true;
    std::map<UINT, std::vector<HEventListener*>> m_listeners;  // listeners not owned
    WNDPROC m_previousProcedure = nullptr;
    std::unique_ptr<HDefaultKeyListener> m_keyListener;
    std::unique_ptr<HDefaultPaintListener> m_paintListener;
    HDropTarget* m_dropTarget = nullptr;  // not owned
    HGraphics* m_graphics = nullptr;  // made by the graphics factory, released through it
};
