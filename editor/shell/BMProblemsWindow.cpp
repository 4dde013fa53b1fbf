#include "editor/shell/BMProblemsWindow.h"

#include "editor/model/BMChange.h"
#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/shell/BMWindow.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMRenderer.h"
#include "framework/base/HFindFiles.h"
#include "framework/base/HText.h"
#include "framework/graphics/HImage.h"
#include "framework/gui/HApplication.h"

namespace {

const char* const kClassName = "TesselProblemsWindow";
const int kListId = 1;

int widthOf(const HImage* image) { return image != nullptr ? image->getWidth() : 0; }
int heightOf(const HImage* image) { return image != nullptr ? image->getHeight() : 0; }

}  // namespace

BMProblemsWindow::BMProblemsWindow(BMWindow* owner) : m_owner(owner) {}

BMProblemsWindow::~BMProblemsWindow()
{
    if (m_window != nullptr) {
        DestroyWindow(m_window);
    }
    if (m_font != nullptr) {
        DeleteObject(m_font);
    }
}

bool BMProblemsWindow::create()
{
    HINSTANCE instance = HApplication::getInstanceHandle();
    WNDCLASSA windowClass = {};
    if (!GetClassInfoA(instance, kClassName, &windowClass)) {
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        if (RegisterClassA(&windowClass) == 0) {
            return false;
        }
    }
    m_window = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "問題一覧", WS_OVERLAPPEDWINDOW,
                               CW_USEDEFAULT, CW_USEDEFAULT, 560, 320, m_owner->getHandle(),
                               nullptr, instance, this);
    if (m_window == nullptr) {
        return false;
    }
    m_list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY
                                 | LBS_NOINTEGRALHEIGHT | LBS_WANTKEYBOARDINPUT,
                             0, 0, 0, 0, m_window, reinterpret_cast<HMENU>(kListId), instance,
                             nullptr);
    m_font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, 0,
                         "MS UI Gothic");
    SendMessageA(m_list, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    RECT client;
    GetClientRect(m_window, &client);
    MoveWindow(m_list, 0, 0, client.right, client.bottom, TRUE);
    return m_list != nullptr;
}

void BMProblemsWindow::show()
{
    BMDisplay* display = m_owner->getDisplay();
    BMData* data = display != nullptr ? display->getData() : nullptr;
    if (data == nullptr || (m_window == nullptr && !create())) {
        return;
    }
    checkAll(*data);
    fill();
    ShowWindow(m_window, SW_SHOWNORMAL);
    SetForegroundWindow(m_window);
    SetFocus(m_list);
}

bool BMProblemsWindow::isShown() const
{
    return m_window != nullptr && IsWindowVisible(m_window);
}

void BMProblemsWindow::checkAll(BMData& data)
{
    m_problems.setOptions(ZDScenarioCheck::sheetsOf(
        widthOf(data.getCharacterImage()), heightOf(data.getCharacterImage()),
        widthOf(data.getObjectImage()), heightOf(data.getObjectImage())));
    m_problems.checkAll(data, HFindFiles::getFileNames(HFile(data.getAreaDataFile().getDirectory())),
                        ZDAreaMapData::getGameDirectory());
    m_checked = &data;
    m_folder = data.getScenarioDirectory();
}

void BMProblemsWindow::follow(const BMChange& change)
{
    BMDisplay* display = m_owner->getDisplay();
    BMData* data = display != nullptr ? display->getData() : nullptr;
    if (!isShown() || data == nullptr) {
        return;
    }
    if (data != m_checked || data->getScenarioDirectory().getPath() != m_folder.getPath()) {
        checkAll(*data);
        fill();
    } else if (m_problems.follow(*data, change)) {
        fill();
    }
}

std::string BMProblemsWindow::lineOf(const ZDProblem& problem, const BMData& data)
{
    std::string line;
    if (problem.area == 0) {
        line = "-";
    } else {
        const ZDEditArea* area = data.getArea(problem.area - 1);
        line = HText::format("%u %s", problem.area, area != nullptr ? area->getName().c_str() : "");
    }
    if (problem.x >= 0) {
        line += HText::format("  (%d,%d)", problem.x, problem.y);
    }
    return line + "  " + problem.sentence();
}

void BMProblemsWindow::fill()
{
    if (m_list == nullptr || m_checked == nullptr) {
        return;
    }
    const LRESULT selected = SendMessageA(m_list, LB_GETCURSEL, 0, 0);
    m_shown = m_problems.list();
    SendMessageA(m_list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(m_list, LB_RESETCONTENT, 0, 0);
    for (const ZDProblem& problem : m_shown) {
        const std::string line = lineOf(problem, *m_checked);
        SendMessageA(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    if (m_shown.empty()) {
        SendMessageA(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("問題はありません"));
    } else if (selected >= 0) {
        SendMessageA(m_list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    }
    SendMessageA(m_list, LB_SETHORIZONTALEXTENT, 1600, 0);
    SendMessageA(m_list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list, nullptr, TRUE);
    SetWindowTextA(m_window, HText::format("問題一覧 (%u件)", static_cast<unsigned>(m_shown.size())).c_str());
}

std::vector<std::string> BMProblemsWindow::lines() const
{
    std::vector<std::string> lines;
    const LRESULT count = m_list != nullptr ? SendMessageA(m_list, LB_GETCOUNT, 0, 0) : 0;
    for (LRESULT row = 0; row < count; ++row) {
        std::string text(static_cast<size_t>(SendMessageA(m_list, LB_GETTEXTLEN, row, 0)), '\0');
        SendMessageA(m_list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
        lines.push_back(text);
    }
    return lines;
}

bool BMProblemsWindow::goTo(int row)
{
    BMDisplay* display = m_owner->getDisplay();
    BMData* data = display != nullptr ? display->getData() : nullptr;
    if (data == nullptr || row < 0 || static_cast<size_t>(row) >= m_shown.size()) {
        return false;
    }
    const ZDProblem& problem = m_shown[static_cast<size_t>(row)];
    const uint32_t current = data->getCurrent();
    if (problem.area >= 1 && problem.area <= data->getAreaCount() && problem.area != current) {
        data->setCurrent(problem.area);
        display->getEditor().changeAreaSelection(current, problem.area);
        display->getRenderer().resetImageBuffer();
    }
    if (problem.x >= 0 && problem.y >= 0) {
        display->setCursor(problem.x, problem.y);
        const BMPoint scroll = display->getLayout().scrollShowing(problem.x, problem.y);
        display->scrollBy(0, scroll.x, scroll.y);
    }
    display->repaint();
    m_owner->showStatus(lineOf(problem, *data));  // where the author came from, and why
    SetForegroundWindow(m_owner->getHandle());
    return true;
}

LRESULT CALLBACK BMProblemsWindow::procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    BMProblemsWindow* self =
        reinterpret_cast<BMProblemsWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_SIZE:
        if (self != nullptr && self->m_list != nullptr) {
            MoveWindow(self->m_list, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    case WM_COMMAND:
        if (self != nullptr && LOWORD(wParam) == kListId && HIWORD(wParam) == LBN_DBLCLK) {
            self->goTo(static_cast<int>(SendMessageA(self->m_list, LB_GETCURSEL, 0, 0)));
        }
        return 0;
    case WM_VKEYTOITEM:
        if (self != nullptr && LOWORD(wParam) == VK_RETURN) {
            self->goTo(static_cast<int>(SendMessageA(self->m_list, LB_GETCURSEL, 0, 0)));
            return -2;
        }
        return -1;
    case WM_CLOSE:
        ShowWindow(window, SW_HIDE);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
