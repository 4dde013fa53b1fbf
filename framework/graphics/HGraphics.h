#pragma once

#include <cstdint>
#include <string>

#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"
#include "framework/graphics/HColor.h"

class HFont;
class HImage;

// What a window draws through during one paint or frame: HWindowsGraphics paints into the
// window's device context between begin-paint and end-paint, HDirectXGraphics draws textured
// quads into a Direct3D 9 back buffer and presents it. Coordinates are pixels of the client
// area; rectangles exclude their right and bottom edges.
//
// The factory keeps one device per window and kind. It takes any component class that offers
//     HWND getHandle() const;          // the component's window, nullptr before it exists
//     Parent* getParent() const;       // the containing component or nullptr; Parent offers
//                                      // the same two operations
// (the framework's HComponent), so this header does not depend on the windowing classes.
class HGraphics : public HObject {
public:
    enum Type : int32_t { TYPE_NONE = 0, TYPE_GDI = 1, TYPE_DIRECTX = 2 };

    HGraphics();
    ~HGraphics() override;

    virtual bool initialize() = 0;
    // Fits the device to the window's current client size.
    virtual bool reset() = 0;
    // Starts a paint or frame; true when drawing can follow.
    virtual bool begin() = 0;
    virtual void end() = 0;
    virtual bool drawImage(HImage* image, int x, int y, int w, int h, int sx, int sy) = 0;
    void drawString(const std::string& text, int x, int y);
    virtual void drawText(const char* text, int x, int y, int length) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void drawRect(int left, int top, int right, int bottom) = 0;
    virtual void fillRect(int left, int top, int right, int bottom) = 0;

    int getType() const { return m_type; }
    // The device context during a GDI paint, the IDirect3DDevice9 of a Direct3D device.
    void* getDrawingHandle() const { return m_drawingHandle; }
    HColor getColor() const { return m_color; }
    HFont* getFont() const { return m_font; }
    int getLineWidth() const { return m_lineWidth; }
    HWND getMainWindow() const { return m_mainWindow; }
    HWND getSubWindow() const { return m_subWindow; }

    void setType(int type) { m_type = type; }
    void setDrawingHandle(void* handle) { m_drawingHandle = handle; }
    virtual void setColor(const HColor& color);
    // font: not owned; it must outlive its use here.
    virtual void setFont(HFont* font);
    virtual void setLineWidth(int width);
    void setMainWindow(HWND window) { m_mainWindow = window; }
    void setSubWindow(HWND window) { m_subWindow = window; }

    // The component's device of the given type, made on first request: one GDI device per
    // window handle, one Direct3D device per component. nullptr for an unknown type or a
    // component without a window.
    template <class Component>
    static HGraphics* getInstance(Component* component, int type);
    // Destroys the component's device of the given type.
    template <class Component>
    static void deleteInstance(Component* component, int type);

    // The factory behind the two above, for callers that know the windows themselves: the
    // component is only a key. A Direct3D device draws into sub (when given) and takes its
    // focus window from main.
    static HGraphics* getInstanceFor(const void* component, int type, HWND window, HWND main,
                                     HWND sub);
    static void deleteInstanceFor(const void* component, int type, HWND window);

private:
    int32_t m_type = TYPE_NONE;
    void* m_drawingHandle = nullptr;  // not owned
    HColor m_color;
    HFont* m_font = nullptr;  // not owned
    int m_lineWidth = 1;
    HWND m_mainWindow = nullptr;  // not owned
    HWND m_subWindow = nullptr;   // not owned
};

// A component without a parent draws into its own window; otherwise the topmost ancestor's
// window is the main window and the component's own the sub window.
template <class Component>
HGraphics* HGraphics::getInstance(Component* component, int type)
{
    if (component == nullptr) {
        return getInstanceFor(nullptr, type, nullptr, nullptr, nullptr);
    }
    HWND window = component->getHandle();
    HWND main = window;
    HWND sub = nullptr;
    auto* ancestor = component->getParent();
    if (ancestor != nullptr) {
        while (ancestor->getParent() != nullptr) {
            ancestor = ancestor->getParent();
        }
        main = ancestor->getHandle();
        sub = window;
    }
    return getInstanceFor(component, type, window, main, sub);
}

template <class Component>
void HGraphics::deleteInstance(Component* component, int type)
{
    deleteInstanceFor(component, type, component != nullptr ? component->getHandle() : nullptr);
}
