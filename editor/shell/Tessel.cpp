// The editor's entry point: log, application services, the main window and its message loop.
// An optional argument names a scenario folder to open at start.

#include <memory>
#include <string>

#include "editor/shell/BMWindow.h"
#include "framework/base/HDebug.h"
#include "framework/gui/HApplication.h"

namespace {

// The command line's first argument, without the quotes a path with blanks comes in.
std::string firstArgument(const char* commandLine)
{
    std::string text = commandLine != nullptr ? commandLine : "";
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) {
        return std::string();
    }
    if (text[start] == '"') {
        size_t end = text.find('"', start + 1);
        return text.substr(start + 1, end == std::string::npos ? std::string::npos
                                                                : end - start - 1);
    }
    size_t end = text.find_first_of(" \t", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand)
{
    HDebug::start();
    HDebug::log(HDebug::LV_JNL, HDebug::FMT_START, "Tessel", __LINE__, "winmain");
    HDebug::debug("exec   : %s", HApplication::getModuleFile().getFullPath().c_str());
    HApplication::initializeApplication(instance, previous, commandLine != nullptr ? commandLine : "",
                                        showCommand, BMWindow::APPLICATION_FLAGS);
    {
        std::unique_ptr<BMWindow> window(new BMWindow());
        std::string folder = firstArgument(commandLine);
        if (!folder.empty()) {
            window->setStartFolder(HFile(folder));
        }
        window->show(true);
    }
    HApplication::uninitializeApplication();
    HDebug::log(HDebug::LV_JNL, HDebug::FMT_END, "Tessel", __LINE__, "winmain");
    HDebug::stop();
    return 0;
}
