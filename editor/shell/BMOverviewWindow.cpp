#include "editor/shell/BMOverviewWindow.h"

#include <algorithm>

#include "editor/model/BMData.h"
#include "editor/view/BMOverviewPicture.h"
#include "framework/graphics/HMemoryImage.h"
#include "scenario/ZDEditArea.h"

namespace {

const char* const kClassName = "TesselOverview";
const char* const kTitle = "全体図";
const UINT kMenuSave = 1;
const UINT kMenuClose = 2;
const int kWheelStep = 60;  // pixels a notch of the wheel scrolls

uint64_t mix(uint64_t hash, uint64_t value)
{
    return (hash ^ value) * 1099511628211ull;
}

}  // namespace

BMOverviewWindow::BMOverviewWindow(std::function<void(uint32_t)> open, std::function<void()> save)
    : m_open(std::move(open)), m_save(std::move(save)), m_picture(new BMOverviewPicture)
{
}

BMOverviewWindow::~BMOverviewWindow()
{
    if (m_window != nullptr && IsWindow(m_window)) {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

void BMOverviewWindow::show(HWND owner)
{
    if (m_window == nullptr || !IsWindow(m_window)) {
        WNDCLASSEXA type = {};
        type.cbSize = sizeof type;
        type.lpfnWndProc = procedure;
        type.hInstance = GetModuleHandleA(nullptr);
        type.hCursor = LoadCursor(nullptr, IDC_ARROW);
        type.lpszClassName = kClassName;
        RegisterClassExA(&type);  // fails harmlessly when the class is there already
        HMENU bar = CreateMenu();
        HMENU file = CreatePopupMenu();
        AppendMenuA(file, MF_STRING, kMenuSave, "画像として保存(&S)...");
        AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(file, MF_STRING, kMenuClose, "閉じる(&C)");
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "ﾌｧｲﾙ(&F)");
        m_window = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW | WS_VSCROLL, CW_USEDEFAULT,
                                   CW_USEDEFAULT, 960, 720, owner, bar, GetModuleHandleA(nullptr), this);
        if (m_window == nullptr) {
            return;
        }
    }
    m_shown = 0;
    arrange();
    ShowWindow(m_window, SW_SHOWNORMAL);
    SetForegroundWindow(m_window);
    UpdateWindow(m_window);
}

bool BMOverviewWindow::isShown() const
{
    return m_window != nullptr && IsWindowVisible(m_window);
}

uint64_t BMOverviewWindow::signature(const BMData& data) const
{
    uint64_t hash = 14695981039346656037ull;
    hash = mix(hash, reinterpret_cast<uintptr_t>(&data));
    hash = mix(hash, data.getAreaCount());
    hash = mix(hash, data.getCurrent());
    hash = mix(hash, static_cast<uint64_t>(m_scroll));
    for (uint32_t number = 1; number <= data.getAreaCount(); ++number) {
        const ZDEditArea* area = data.getArea(number - 1);
        for (char c : area->getName()) {
            hash = mix(hash, static_cast<uint8_t>(c));
        }
        for (int group = 0; group < 8; ++group) {
            hash = mix(hash, static_cast<uint32_t>(area->getLink(group)));
        }
    }
    RECT client = {};
    GetClientRect(m_window, &client);
    uint32_t first = 0;
    uint32_t last = 0;
    m_picture->layout().visible(m_scroll, client.bottom, &first, &last);
    for (uint32_t number = first; number <= std::min(last, data.getAreaCount()); ++number) {
        hash = mix(hash, BMOverviewPicture::stampOf(*data.getBMap(number - 1)));
    }
    return hash;
}

void BMOverviewWindow::follow()
{
    const BMData* data = BMData::getInstance(false);
    if (!isShown() || data == nullptr) {
        return;
    }
    if (data != m_data || data->getAreaCount() != m_picture->layout().getCount()) {
        arrange();
    }
    if (signature(*data) != m_shown) {
        InvalidateRect(m_window, nullptr, FALSE);
    }
}

void BMOverviewWindow::arrange()
{
    const BMData* data = BMData::getInstance(false);
    if (data != m_data) {
        m_picture->reset();
        m_data = data;
    }
    RECT client = {};
    GetClientRect(m_window, &client);
    m_picture->layout().setup(data != nullptr ? data->getAreaCount() : 0, client.right);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nMax = m_picture->layout().getSize().y - 1;
    info.nPage = static_cast<UINT>(std::max<LONG>(client.bottom, 0));
    SetScrollInfo(m_window, SB_VERT, &info, TRUE);
    scrollTo(m_scroll);
    InvalidateRect(m_window, nullptr, FALSE);
}

void BMOverviewWindow::scrollTo(int y)
{
    RECT client = {};
    GetClientRect(m_window, &client);
    const int most = std::max(0, m_picture->layout().getSize().y - static_cast<int>(client.bottom));
    y = std::max(0, std::min(y, most));
    if (y != m_scroll) {
        m_scroll = y;
        InvalidateRect(m_window, nullptr, FALSE);
    }
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = m_scroll;
    SetScrollInfo(m_window, SB_VERT, &info, TRUE);
}

void BMOverviewWindow::paint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_window, &paint);
    RECT client = {};
    GetClientRect(m_window, &client);
    const BMData* data = BMData::getInstance(false);
    if (client.right > 0 && client.bottom > 0) {
        if (m_frame == nullptr || m_frame->getWidth() != client.right || m_frame->getHeight() != client.bottom) {
            m_frame.reset(new HMemoryImage(client.right, client.bottom));
        }
        if (data != nullptr) {
            m_picture->draw(*data, m_frame.get(), {0, m_scroll});
            m_shown = signature(*data);
        } else {
            m_frame->fill(HColor(40, 40, 44));
        }
        m_frame->drawToDC(dc, 0, 0, client.right, client.bottom, 0, 0);
    }
    EndPaint(m_window, &paint);
}

LRESULT CALLBACK BMOverviewWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<BMOverviewWindow*>(create->lpCreateParams)->m_window = window;
    }
    BMOverviewWindow* self = reinterpret_cast<BMOverviewWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return self != nullptr ? self->handle(message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT BMOverviewWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        arrange();
        return 0;
    case WM_VSCROLL: {
        RECT client = {};
        GetClientRect(m_window, &client);
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(m_window, SB_VERT, &info);
        switch (LOWORD(wParam)) {
        case SB_LINEUP: scrollTo(m_scroll - kWheelStep); break;
        case SB_LINEDOWN: scrollTo(m_scroll + kWheelStep); break;
        case SB_PAGEUP: scrollTo(m_scroll - client.bottom); break;
        case SB_PAGEDOWN: scrollTo(m_scroll + client.bottom); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: scrollTo(info.nTrackPos); break;
        case SB_TOP: scrollTo(0); break;
        case SB_BOTTOM: scrollTo(m_picture->layout().getSize().y); break;
        default: break;
        }
        return 0;
    }
    case WM_MOUSEWHEEL:
        scrollTo(m_scroll - GET_WHEEL_DELTA_WPARAM(wParam) * kWheelStep / WHEEL_DELTA);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;  // the navigation keys scroll here, not the main window's map
    case WM_KEYDOWN: {
        // The keys of the scroll bar's parts; left and right have nothing to scroll.
        const struct {
            WPARAM key;
            WORD part;
        } kKeys[] = {{VK_UP, SB_LINEUP}, {VK_DOWN, SB_LINEDOWN}, {VK_PRIOR, SB_PAGEUP},
                     {VK_NEXT, SB_PAGEDOWN}, {VK_HOME, SB_TOP}, {VK_END, SB_BOTTOM}};
        for (const auto& key : kKeys) {
            if (key.key == wParam) {
                return handle(WM_VSCROLL, key.part, 0);
            }
        }
        return DefWindowProcA(m_window, message, wParam, lParam);
    }
    case WM_LBUTTONDOWN: {
        const uint32_t number = m_picture->layout().hit(static_cast<short>(LOWORD(lParam)),
                                                        static_cast<short>(HIWORD(lParam)) + m_scroll);
        if (number != 0) {
            m_open(number);
        }
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == kMenuSave) {
            m_save();
        } else if (LOWORD(wParam) == kMenuClose) {
            ShowWindow(m_window, SW_HIDE);
        }
        return 0;
    case WM_CLOSE:
        ShowWindow(m_window, SW_HIDE);  // kept, with its thumbnails, for the next time
        return 0;
    default:
        return DefWindowProcA(m_window, message, wParam, lParam);
    }
}
