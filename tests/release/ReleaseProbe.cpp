// Tells a release test what the editor shows, from inside Wine:
//   tessel_release_probe title   prints the editor window's title ("title=...")
//   tessel_release_probe dpi     prints how the window is aware of display scaling
//                                ("dpi=per-monitor-v2", "per-monitor", "system", "unaware")
//   tessel_release_probe close   asks the editor window to close
// Exits with 1 when there is no editor window.

#include <cstdio>
#include <string>

#include "framework/base/HWin32.h"

namespace {

// The functions of Windows 10 1607 and later, looked up: the program is built for Windows 7.
typedef void* AwarenessContext;
typedef AwarenessContext(WINAPI* GetContextFunction)(HWND);
typedef BOOL(WINAPI* EqualFunction)(AwarenessContext, AwarenessContext);

std::string awarenessOf(HWND window)
{
    HMODULE user = GetModuleHandleA("user32.dll");
    auto getContext = reinterpret_cast<GetContextFunction>(
        reinterpret_cast<void*>(GetProcAddress(user, "GetWindowDpiAwarenessContext")));
    auto equal = reinterpret_cast<EqualFunction>(
        reinterpret_cast<void*>(GetProcAddress(user, "AreDpiAwarenessContextsEqual")));
    if (getContext == nullptr || equal == nullptr) {
        return "unknown";
    }
    AwarenessContext context = getContext(window);
    // The predefined contexts -1 .. -4.
    const struct {
        intptr_t value;
        const char* name;
    } kContexts[] = {{-4, "per-monitor-v2"}, {-3, "per-monitor"}, {-2, "system"}, {-1, "unaware"}};
    for (const auto& known : kContexts) {
        if (equal(context, reinterpret_cast<AwarenessContext>(known.value))) {
            return known.name;
        }
    }
    return "unknown";
}

}  // namespace

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "title";
    HWND editor = FindWindowA("BMWindow", nullptr);
    if (editor == nullptr) {
        return 1;
    }
    if (command == "close") {
        PostMessageA(editor, WM_CLOSE, 0, 0);
    } else if (command == "dpi") {
        std::printf("dpi=%s\n", awarenessOf(editor).c_str());
    } else {
        char title[1024] = {};
        GetWindowTextA(editor, title, sizeof title);
        std::printf("title=%s\n", title);
    }
    return 0;
}
