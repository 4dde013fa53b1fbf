// Tells the end-to-end journey what the editor shows, from inside Wine: the main window's
// title, where its map view is on the screen, the scroll bars' positions and ranges, the
// status bar's text, whether its menus take the keys and the message box that is open, if
// any. Prints lines "title=...", "view=x y width height", "scroll=horizontal vertical",
// "range=horizontal vertical" (the maxima), "status=...", "menu=on|off" (on while a menu
// takes the keys), "overview=x y width height" (the overview's client area on the screen, while
// it shows), "problems=x y width height lines" (the problems list's list, while shown) and
// "box=caption|text" (Shift-JIS text as the windows hold it); exits with 1 when there is no
// editor window.

#include <cstdio>
#include <string>

#include "editor/shell/BMComponentId.h"
#include "framework/base/HWin32.h"

namespace {

std::string textOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The text a status bar of the editor shows. The bar writes it into a buffer of the caller,
// which must lie in the editor's own memory: the message is not copied between processes.
std::string statusOf(HWND bar)
{
    DWORD id = 0;
    GetWindowThreadProcessId(bar, &id);
    HANDLE process =
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (process == nullptr) {
        return std::string();
    }
    char text[1024] = {};
    void* remote = VirtualAllocEx(process, nullptr, sizeof text, MEM_COMMIT, PAGE_READWRITE);
    if (remote != nullptr) {
        // SB_GETTEXTA; under Wine part 0 answers with the text of a bar in simple mode.
        const UINT getText = WM_USER + 2;
        SendMessageA(bar, getText, 0, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, text, sizeof text - 1, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

BOOL CALLBACK findBox(HWND window, LPARAM found)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // what was found shows even if a call fails
    HWND editor = FindWindowA("BMWindow", nullptr);
    if (editor == nullptr) {
        return 1;
    }
    std::printf("title=%s\n", textOf(editor).c_str());
    HWND view = GetDlgItem(editor, kComponentMapView);
    RECT bounds = {};
    if (view != nullptr && GetClientRect(view, &bounds)) {
        POINT origin = {0, 0};
        ClientToScreen(view, &origin);
        std::printf("view=%ld %ld %ld %ld\n", origin.x, origin.y, bounds.right, bounds.bottom);
    }
    HWND horizontal = GetDlgItem(editor, kComponentHorizontalBar);
    HWND vertical = GetDlgItem(editor, kComponentVerticalBar);
    std::printf("scroll=%d %d\n", GetScrollPos(horizontal, SB_CTL), GetScrollPos(vertical, SB_CTL));
    int low = 0, across = 0, down = 0;
    GetScrollRange(horizontal, SB_CTL, &low, &across);
    GetScrollRange(vertical, SB_CTL, &low, &down);
    std::printf("range=%d %d\n", across, down);
    HWND status = GetDlgItem(editor, kComponentStatusBar);
    if (status != nullptr) {
        std::printf("status=%s\n", statusOf(status).c_str());
    }
    GUITHREADINFO gui = {};
    gui.cbSize = sizeof(gui);
    if (GetGUIThreadInfo(GetWindowThreadProcessId(editor, nullptr), &gui)) {
        std::printf("menu=%s\n", (gui.flags & GUI_INMENUMODE) != 0 ? "on" : "off");
    }
    HWND overview = FindWindowA("TesselOverview", nullptr);
    if (overview != nullptr && IsWindowVisible(overview) && GetClientRect(overview, &bounds)) {
        POINT origin = {0, 0};
        ClientToScreen(overview, &origin);
        std::printf("overview=%ld %ld %ld %ld\n", origin.x, origin.y, bounds.right, bounds.bottom);
    }
    // The problems list, while shown: where its list is and how many lines it holds.
    HWND problems = FindWindowA("TesselProblemsWindow", nullptr);
    HWND list = problems != nullptr && IsWindowVisible(problems) ? GetWindow(problems, GW_CHILD) : nullptr;
    if (list != nullptr && GetWindowRect(list, &bounds)) {
        std::printf("problems=%ld %ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right - bounds.left,
                    bounds.bottom - bounds.top, static_cast<long>(SendMessageA(list, LB_GETCOUNT, 0, 0)));
    }
    HWND box = nullptr;
    EnumWindows(findBox, reinterpret_cast<LPARAM>(&box));
    if (box != nullptr) {
        HWND text = GetDlgItem(box, 0xFFFF);
        std::printf("box=%s|%s\n", textOf(box).c_str(), text != nullptr ? textOf(text).c_str() : "");
    }
    return 0;
}
