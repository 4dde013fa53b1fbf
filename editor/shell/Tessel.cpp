// The editor's entry point: log, application services, the main window and its message loop.
// An optional argument names a scenario folder to open at start; "/defaults" before it starts
// with the editor's own settings in place of the remembered ones.

#include <memory>
#include <string>

#include "editor/shell/BMSession.h"
#include "editor/shell/BMWindow.h"
#include "framework/base/HDebug.h"
#include "framework/base/HText.h"
#include "framework/gui/HApplication.h"

namespace {

const char* const kDefaultsSwitch = "/defaults";

// The command line's first argument, without the quotes a path with blanks comes in; rest,
// when given, receives what follows it.
std::string firstArgument(const char* commandLine, std::string* rest = nullptr)
{
    std::string text = commandLine != nullptr ? commandLine : "";
    if (rest != nullptr) {
        size_t first = text.find_first_not_of(" \t");
        size_t end = first == std::string::npos ? std::string::npos
                     : text[first] == '"'       ? text.find('"', first + 1)
                                                : text.find_first_of(" \t", first);
        *rest = end == std::string::npos ? std::string() : text.substr(end + 1);
    }
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
        std::string rest;
        std::string folder = firstArgument(commandLine, &rest);
        const bool defaults = HText::asciiUpper(folder) == HText::asciiUpper(kDefaultsSwitch);
        if (defaults) {
            folder = firstArgument(rest.c_str());
        }
        // The settings name the game's folder the scenario menu lists: read before the window.
        std::unique_ptr<BMSession> session(new BMSession(BMSession::defaultFile(), defaults));
        std::unique_ptr<BMWindow> window(new BMWindow());
        window->setSession(std::move(session));
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
