#pragma once

#include <cstdint>

#include "framework/base/HComPtr.h"
#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"

struct IDirect3DDevice9;
struct IDirect3DTexture9;
struct IDirect3DVertexBuffer9;

// The Direct3D 9 side of the process: the library "d3d9.dll", loaded at run time, its
// Direct3D object, and the one device object with its shared vertex buffer. A device whose
// creation failed stays unusable, and every drawing call on it does nothing.
class HDirectX : public HObject {
public:
    // One corner of the textured quad: pre-transformed position, colour, texture coordinates.
    struct Vertex {
        float x, y, z, rhw;
        uint32_t diffuse;  // ARGB
        float u, v;
    };
    static constexpr int QUAD_VERTICES = 4;

    // Loads the library and makes the Direct3D object; false when there is none.
    static bool initialize();
    // Destroys the device object, the Direct3D object and frees the library.
    static void uninitialize();
    // The device object, made on the first call with a main window; later calls return the
    // same object whatever windows they pass. nullptr before one was made with a window.
    static HDirectX* getInstance(HWND mainWindow, HWND subWindow);

    ~HDirectX() override;

    // Resizes the back buffer; the device's textures survive (see createTexture).
    bool reset(int width, int height);
    IDirect3DVertexBuffer9* getSharedVertexBuffer();
    // Writes the quad x, y, w x h with the texture coordinates into the shared vertex buffer.
    void setSharedVertex(float x, float y, float w, float h, float uLeft, float vTop,
                         float uRight, float vBottom);
    // Draws the quad with the texture (the one already set for nullptr).
    void drawTexture(IDirect3DTexture9* texture);
    // A width x height A8R8G8B8 texture that can be locked, or none (logged).
    HComPtr<IDirect3DTexture9> createTexture(int width, int height);
    bool isUnusable() const { return m_unusable; }
    IDirect3DDevice9* getDevice() const { return m_device.get(); }

private:
    HDirectX(HWND mainWindow, HWND subWindow);
    void createDevice(HWND mainWindow, HWND subWindow);

    HComPtr<IDirect3DDevice9> m_device;
    // The presentation parameters kept for resets.
    HWND m_deviceWindow = nullptr;  // not owned
    uint32_t m_backBufferFormat = 0;
    uint32_t m_backBufferWidth = 0;
    uint32_t m_backBufferHeight = 0;
    bool m_unusable = true;
    Vertex m_quad[QUAD_VERTICES] = {};
    HComPtr<IDirect3DVertexBuffer9> m_vertexBuffer;
};
