#include "framework/graphics/HDirectXGraphics.h"

#include <d3d9.h>

#include "framework/graphics/HDirectX.h"
#include "framework/graphics/HDirectXImage.h"

HDirectXGraphics::HDirectXGraphics()
{
    setClassName("HDirectXGraphics");
    setType(TYPE_DIRECTX);
}

// The process's device object, looked up each time so that a device never uses one that
// was destroyed by HDirectX::uninitialize.
HDirectX* HDirectXGraphics::directX() const
{
    return m_initialized ? HDirectX::getInstance(nullptr, nullptr) : nullptr;
}

bool HDirectXGraphics::isUsable() const
{
    return directX() != nullptr && !directX()->isUnusable();
}

// A texture made by a device object that has since been destroyed cannot be drawn by this one.
bool HDirectXGraphics::isOwnTexture(IDirect3DTexture9* texture) const
{
    if (texture == nullptr) {
        return false;
    }
    IDirect3DDevice9* owner = nullptr;
    if (FAILED(texture->GetDevice(&owner)) || owner == nullptr) {
        return false;
    }
    owner->Release();
    return owner == directX()->getDevice();
}

bool HDirectXGraphics::initialize()
{
    HDirectX* directX = HDirectX::getInstance(getMainWindow(), getSubWindow());
    m_initialized = true;
    setDrawingHandle(directX != nullptr ? directX->getDevice() : nullptr);
    return isUsable();
}

bool HDirectXGraphics::reset()
{
    if (directX() == nullptr) {
        return false;
    }
    RECT client = {};
    GetClientRect(getSubWindow() != nullptr ? getSubWindow() : getMainWindow(), &client);
    return directX()->reset(client.right, client.bottom);
}

// A device whose reset failed must not draw until a reset succeeds. It has no depth buffer,
// so only the render target is cleared: asking for depth and stencil too would make the
// whole clear fail.
bool HDirectXGraphics::begin()
{
    if (!isUsable() || m_inScene) {
        return false;
    }
    IDirect3DDevice9* device = directX()->getDevice();
    HRESULT state = device->TestCooperativeLevel();
    if (FAILED(state)) {
        debug("TestCooperativeLevel=%X", static_cast<unsigned>(state));
        return false;
    }
    device->Clear(0, nullptr, D3DCLEAR_TARGET, D3DCOLOR_ARGB(255, 0, 0, 0), 1.0f, 0);
    m_inScene = SUCCEEDED(device->BeginScene());
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    return m_inScene;
}

void HDirectXGraphics::end()
{
    if (!isUsable() || !m_inScene) {
        return;
    }
    IDirect3DDevice9* device = directX()->getDevice();
    device->EndScene();
    m_inScene = false;
    HRESULT result = device->Present(nullptr, nullptr, nullptr, nullptr);
    if (FAILED(result)) {
        debug("Present=%X", static_cast<unsigned>(result));
    }
}

bool HDirectXGraphics::drawImage(HImage* image, int x, int y, int w, int h, int sx, int sy)
{
    if (image == nullptr || image->getType() != HImage::TYPE_DIRECTX || !isUsable() || !m_inScene
        || !isOwnTexture(static_cast<HDirectXImage*>(image)->getTexture())
        || directX()->getSharedVertexBuffer() == nullptr) {
        return true;
    }
    // A locked texture cannot be drawn: whatever was written into it is committed now.
    image->releasePixels();
    // Source positions outside the image would wrap around the texture.
    HImage::CopyArea area;
    if (!HImage::clipSource(*image, x, y, w, h, sx, sy, &area)) {
        return true;
    }
    float fw = static_cast<float>(image->getWidth());
    float fh = static_cast<float>(image->getHeight());
    directX()->setSharedVertex(static_cast<float>(area.x), static_cast<float>(area.y),
                               static_cast<float>(area.width), static_cast<float>(area.height),
                               area.sx / fw, area.sy / fh, (area.sx + area.width) / fw,
                               (area.sy + area.height) / fh);
    directX()->drawTexture(static_cast<HDirectXImage*>(image)->getTexture());
    return true;
}

void HDirectXGraphics::drawText(const char*, int, int, int)
{
}

void HDirectXGraphics::drawLine(int, int, int, int)
{
}

void HDirectXGraphics::drawRect(int, int, int, int)
{
}

void HDirectXGraphics::fillRect(int, int, int, int)
{
}
