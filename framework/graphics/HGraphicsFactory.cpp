#include "framework/graphics/HGraphicsFactory.h"

#include <map>
#include <memory>

#include "framework/base/HText.h"
#include "framework/graphics/HDirectXGraphics.h"
#include "framework/graphics/HWindowsGraphics.h"

namespace {

// Built on first use, so they go before the log's own tables at exit.
std::map<HWND, std::unique_ptr<HWindowsGraphics>>& windowsDevices()
{
    static std::map<HWND, std::unique_ptr<HWindowsGraphics>> devices;
    return devices;
}

std::map<const void*, std::unique_ptr<HDirectXGraphics>>& directXDevices()
{
    static std::map<const void*, std::unique_ptr<HDirectXGraphics>> devices;
    return devices;
}

}  // namespace

HGraphics* HGraphicsFactory::getInstanceFor(const void* component, int type, HWND window,
                                            HWND main, HWND sub)
{
    if (type != HGraphics::TYPE_GDI && type != HGraphics::TYPE_DIRECTX) {
        HLOG_INFO("getInstance error unknown device type");
        HDebug::debug("unknown type:%d", type);
        return nullptr;
    }
    if (component == nullptr || window == nullptr) {
        return nullptr;
    }
    if (type == HGraphics::TYPE_GDI) {
        std::unique_ptr<HWindowsGraphics>& device = windowsDevices()[window];
        if (device == nullptr) {
            device.reset(new HWindowsGraphics());
            device->setMainWindow(window);
        }
        return device.get();
    }
    std::unique_ptr<HDirectXGraphics>& device = directXDevices()[component];
    if (device == nullptr) {
        HDebug::debug("getInstance:main=%s sub=%s", HText::address(main).c_str(),
                      HText::address(sub).c_str());
        device.reset(new HDirectXGraphics());
        device->setMainWindow(main);
        device->setSubWindow(sub);
    }
    return device.get();
}

void HGraphicsFactory::deleteInstanceFor(const void* component, int type, HWND window)
{
    size_t removed = 0;
    if (type == HGraphics::TYPE_GDI) {
        removed = windowsDevices().erase(window);
    } else if (type == HGraphics::TYPE_DIRECTX) {
        removed = directXDevices().erase(component);
    } else {
        HLOG_INFO("deleteInstance error unknown device type");
        HDebug::debug("unknown type:%d", type);
        return;
    }
    if (removed == 0) {
        HLOG_INFO("deleteInstance error");
    }
}
