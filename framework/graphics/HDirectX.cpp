#include "framework/graphics/HDirectX.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include <d3d9.h>

#include "framework/base/HText.h"

namespace {

using Create9Function = IDirect3D9*(WINAPI*)(UINT);

const UINT kSdkVersion = 32;
const DWORD kVertexFormat = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;
const UINT kQuadBytes = sizeof(HDirectX::Vertex) * HDirectX::QUAD_VERTICES;
const uint32_t kQuadDiffuse = 0x66FFFFFF;

static_assert(sizeof(HDirectX::Vertex) == 28, "the vertex format is 28 bytes");

// Process-wide: the library, its entry point, the Direct3D object and the device object.
HMODULE g_library = nullptr;
Create9Function g_create = nullptr;
HComPtr<IDirect3D9> g_direct3D;
std::unique_ptr<HDirectX> g_instance;

// Windowed, one back buffer of the window's client size in the display's format, no
// multisampling, no automatic depth buffer.
D3DPRESENT_PARAMETERS presentParameters(HWND window, uint32_t format, uint32_t width,
                                        uint32_t height)
{
    D3DPRESENT_PARAMETERS parameters = {};
    parameters.BackBufferWidth = width;
    parameters.BackBufferHeight = height;
    parameters.BackBufferFormat = static_cast<D3DFORMAT>(format);
    parameters.BackBufferCount = 1;
    parameters.MultiSampleType = D3DMULTISAMPLE_NONE;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = window;
    parameters.Windowed = TRUE;
    parameters.EnableAutoDepthStencil = FALSE;
    parameters.AutoDepthStencilFormat = D3DFMT_D16;
    parameters.FullScreen_RefreshRateInHz = 0;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
    return parameters;
}

}  // namespace

bool HDirectX::initialize()
{
    if (g_library == nullptr) {
        g_library = LoadLibraryA("d3d9.dll");
        if (g_library == nullptr) {
            HLOG_INFO("LoadLibrary error:d3d9.dll");
        }
    }
    if (g_library != nullptr && g_create == nullptr) {
        g_create = reinterpret_cast<Create9Function>(
            reinterpret_cast<void*>(GetProcAddress(g_library, "Direct3DCreate9")));
        if (g_create == nullptr) {
            HLOG_INFO("GetProcAddress error:Direct3DCreate9");
        }
    }
    if (g_create != nullptr && !g_direct3D) {
        g_direct3D.reset(g_create(kSdkVersion));
    }
    HDebug::debug("DirectX@%s", HText::address(g_direct3D.get()).c_str());
    if (!g_direct3D) {
        HLOG_INFO("initialize error. cannot create DirectX object");
        return false;
    }
    return true;
}

// Textures still held elsewhere keep the device and the Direct3D object alive; their code
// lives in the library, so it stays loaded until a later uninitialize finds nothing left.
void HDirectX::uninitialize()
{
    ULONG remaining = 0;
    if (g_instance != nullptr && g_instance->m_device) {
        g_instance->m_vertexBuffer.reset();
        remaining += g_instance->m_device.release()->Release();
    }
    g_instance.reset();
    if (g_direct3D) {
        remaining += g_direct3D.release()->Release();
    }
    if (remaining != 0) {
        HDebug::debug("uninitialize:%u Direct3D references still held", static_cast<unsigned>(remaining));
        return;
    }
    if (g_library != nullptr && !FreeLibrary(g_library)) {
        HLOG_INFO("FreeLibrary:error(d3d9.dll)");
    }
    g_library = nullptr;
    g_create = nullptr;
}

HDirectX* HDirectX::getInstance(HWND mainWindow, HWND subWindow)
{
    if (g_instance == nullptr && mainWindow != nullptr) {
        g_instance.reset(new HDirectX(mainWindow, subWindow));
    }
    return g_instance.get();
}

HDirectX::HDirectX(HWND mainWindow, HWND subWindow)
{
    setClassName("HDirectX");
    HLOG_START("HDirectX");
    createDevice(mainWindow, subWindow);
    HLOG_END("HDirectX");
}

HDirectX::~HDirectX() = default;

void HDirectX::createDevice(HWND mainWindow, HWND subWindow)
{
    if (mainWindow == nullptr) {
        HLOG_INFO("error:window handle is NULL");
        return;
    }
    if (!g_direct3D) {
        HLOG_INFO("error:directX object is NULL");
        return;
    }
    RECT client = {};
    GetClientRect(subWindow != nullptr ? subWindow : mainWindow, &client);
    D3DDISPLAYMODE mode = {};
    g_direct3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
    m_deviceWindow = subWindow;
    m_backBufferFormat = mode.Format;
    m_backBufferWidth = static_cast<uint32_t>(client.right);
    m_backBufferHeight = static_cast<uint32_t>(client.bottom);

    struct Attempt {
        D3DDEVTYPE type;
        DWORD behaviour;
    };
    const Attempt attempts[] = {
        {D3DDEVTYPE_HAL, D3DCREATE_HARDWARE_VERTEXPROCESSING},
        {D3DDEVTYPE_HAL, D3DCREATE_SOFTWARE_VERTEXPROCESSING},
        {D3DDEVTYPE_REF, D3DCREATE_HARDWARE_VERTEXPROCESSING},
        {D3DDEVTYPE_REF, D3DCREATE_SOFTWARE_VERTEXPROCESSING},
    };
    HRESULT results[4] = {};
    HRESULT last = E_FAIL;
    for (size_t i = 0; i < 4 && !m_device; ++i) {
        D3DPRESENT_PARAMETERS parameters = presentParameters(
            m_deviceWindow, m_backBufferFormat, m_backBufferWidth, m_backBufferHeight);
        last = g_direct3D->CreateDevice(D3DADAPTER_DEFAULT, attempts[i].type, mainWindow,
                                        attempts[i].behaviour, &parameters, m_device.receive());
        results[i] = last;
    }
    debug("DirectX Device@%s(%d %d %d %d)", HText::address(m_device.get()).c_str(),
          static_cast<int>(results[0]), static_cast<int>(results[1]),
          static_cast<int>(results[2]), static_cast<int>(results[3]));
    if (m_device) {
        m_unusable = false;
    } else if (last == D3DERR_INVALIDCALL) {
        HLOG_INFO("error invalid call");
    } else if (last == D3DERR_NOTAVAILABLE) {
        HLOG_INFO("error not available");
    } else if (last == D3DERR_OUTOFVIDEOMEMORY) {
        HLOG_INFO("error out of video memory");
    }
}

bool HDirectX::reset(int width, int height)
{
    m_vertexBuffer.reset();
    if (!m_device) {
        return false;
    }
    m_backBufferWidth = static_cast<uint32_t>(std::max(width, 0));
    m_backBufferHeight = static_cast<uint32_t>(std::max(height, 0));
    D3DPRESENT_PARAMETERS parameters = presentParameters(m_deviceWindow, m_backBufferFormat,
                                                         m_backBufferWidth, m_backBufferHeight);
    HRESULT result = m_device->Reset(&parameters);
    switch (result) {
    case D3D_OK:
        return true;
    case D3DERR_DEVICELOST:
        HLOG_INFO("Reset:D3DERR_DEVICELOST");
        return false;
    case D3DERR_DRIVERINTERNALERROR:
        HLOG_INFO("Reset:D3DERR_DRIVERINTERNALERROR");
        break;
    case D3DERR_INVALIDCALL:
        HLOG_INFO("Reset:D3DERR_INVALIDCALL");
        break;
    case D3DERR_OUTOFVIDEOMEMORY:
        HLOG_INFO("Reset:D3DERR_OUTOFVIDEOMEMORY");
        break;
    case E_OUTOFMEMORY:
        HLOG_INFO("Reset:E_OUTOFMEMORY");
        break;
    default:
        HLOG_INFO("Reset:error");
        return false;
    }
    debug("Reset(%d,%d)=%X", width, height, static_cast<unsigned>(result));
    return false;
}

IDirect3DVertexBuffer9* HDirectX::getSharedVertexBuffer()
{
    if (m_vertexBuffer || !m_device) {
        return m_vertexBuffer.get();
    }
    HRESULT result = m_device->CreateVertexBuffer(kQuadBytes, D3DUSAGE_WRITEONLY, kVertexFormat,
                                                  D3DPOOL_MANAGED, m_vertexBuffer.receive(),
                                                  nullptr);
    if (FAILED(result)) {
        m_vertexBuffer.reset();
        if (result == D3DERR_INVALIDCALL) {
            HLOG_INFO("getSharedVertexBuffer:INVALIDCALL");
        } else if (result == D3DERR_OUTOFVIDEOMEMORY) {
            HLOG_INFO("getSharedVertexBuffer:OUTOFVIDEOMEMORY");
        } else if (result == E_OUTOFMEMORY) {
            HLOG_INFO("getSharedVertexBuffer:E_OUTOFMEMORY");
        } else {
            HLOG_INFO(HText::format("getSharedVertexBuffer:error=%d", static_cast<int>(result)).c_str());
        }
    }
    return m_vertexBuffer.get();
}

// Texel centres sit half a pixel off the pixel grid, hence the 0.5 shifts.
void HDirectX::setSharedVertex(float x, float y, float w, float h, float uLeft, float vTop,
                               float uRight, float vBottom)
{
    const float kHalf = 0.5f;
    m_quad[0] = {x + w - kHalf, y - kHalf, 0.0f, 1.0f, kQuadDiffuse, uRight, vTop};
    m_quad[1] = {x + w - kHalf, y + h - kHalf, 0.0f, 1.0f, kQuadDiffuse, uRight, vBottom};
    m_quad[2] = {x - kHalf, y - kHalf, 0.0f, 1.0f, kQuadDiffuse, uLeft, vTop};
    m_quad[3] = {x - kHalf, y + h - kHalf, 0.0f, 1.0f, kQuadDiffuse, uLeft, vBottom};
    IDirect3DVertexBuffer9* buffer = getSharedVertexBuffer();
    if (buffer == nullptr) {
        return;
    }
    void* data = nullptr;
    if (FAILED(buffer->Lock(0, 0, &data, 0)) || data == nullptr) {
        HLOG_INFO("setSharedVertex:Lock/Unlock error");
        return;
    }
    std::memcpy(data, m_quad, kQuadBytes);
    if (FAILED(buffer->Unlock())) {
        HLOG_INFO("setSharedVertex:Lock/Unlock error");
    }
}

void HDirectX::drawTexture(IDirect3DTexture9* texture)
{
    if (!m_device || !m_vertexBuffer) {
        return;
    }
    if (texture != nullptr) {
        m_device->SetTexture(0, texture);
    }
    m_device->SetStreamSource(0, m_vertexBuffer.get(), 0, sizeof(Vertex));
    m_device->SetFVF(kVertexFormat);
    m_device->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2);
}

HComPtr<IDirect3DTexture9> HDirectX::createTexture(int width, int height)
{
    HComPtr<IDirect3DTexture9> texture;
    if (!m_device || width <= 0 || height <= 0) {
        return texture;
    }
    HRESULT result = m_device->CreateTexture(static_cast<UINT>(width), static_cast<UINT>(height),
                                             1, 0, D3DFMT_A8R8G8B8,
                                             D3DPOOL_MANAGED, texture.receive(), nullptr);
    if (SUCCEEDED(result)) {
        return texture;
    }
    texture.reset();
    if (result == E_OUTOFMEMORY) {
        HLOG_INFO("createTexture:E_OUTOFMEMORY");
    } else if (result == D3DERR_OUTOFVIDEOMEMORY) {
        HLOG_INFO("createTexture:D3DERR_OUTOFVIDEOMEMORY");
    } else if (result == D3DERR_INVALIDCALL) {
        HLOG_INFO("createTexture:D3DERR_INVALIDCALL");
    } else {
        HLOG_INFO("createTexture:error");
        HDebug::debug("CreateTexture=%d", static_cast<int>(result));
    }
    return texture;
}
