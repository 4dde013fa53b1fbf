#pragma once

#include "framework/base/HWin32.h"

class HGraphics;

// Makes the graphics devices and keeps one per window and kind: a GDI device per window
// handle, a Direct3D device per component. It takes any component class that offers
//     HWND getHandle() const;          // the component's window, nullptr before it exists
//     Parent* getParent() const;       // the containing component or nullptr; Parent offers
//                                      // the same two operations
// (the framework's HComponent), so this header does not depend on the windowing classes.
class HGraphicsFactory {
public:
    // The component's device of the given type (HGraphics::TYPE_GDI or TYPE_DIRECTX), made on
    // first request. nullptr for an unknown type or a component without a window.
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
};

// A component without a parent draws into its own window; otherwise the topmost ancestor's
// window is the main window and the component's own the sub window.
template <class Component>
HGraphics* HGraphicsFactory::getInstance(Component* component, int type)
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
void HGraphicsFactory::deleteInstance(Component* component, int type)
{
    deleteInstanceFor(component, type, component != nullptr ? component->getHandle() : nullptr);
}
