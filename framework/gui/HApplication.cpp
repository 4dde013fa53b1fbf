#include "framework/gui/HApplication.h"

#include <vector>

#include "framework/base/HDebug.h"
#include "framework/base/HSystem.h"
#include "framework/base/HText.h"
#include "framework/base/HWin32.h"
#include "framework/graphics/HDirectX.h"

#include <objbase.h>

namespace {

struct State {
    HINSTANCE instance = nullptr;  // not owned
    HINSTANCE previous = nullptr;  // not owned
    std::string commandLine;
    int showCommand = 0;
    uint32_t flags = 0;
    bool comStarted = false;
};

State& state()
{
    static State application;
    return application;
}

const size_t kRegistryBuffer = 2048;
// The view bits of a registry read are the platform's own.
const uint32_t kRegistryViews = KEY_WOW64_64KEY | KEY_WOW64_32KEY;
static_assert(HApplication::REGISTRY_64 == KEY_WOW64_64KEY, "registry view");
static_assert(HApplication::REGISTRY_32 == KEY_WOW64_32KEY, "registry view");

struct RootKey {
    const char* name;
    HKEY key;
};

const RootKey kRootKeys[] = {
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKEY_USERS", HKEY_USERS},
};

// Positions of the first and last backslash that are not the second byte of a Shift-JIS
// character; npos when there is none.
void findSeparators(const std::string& path, size_t* first, size_t* last)
{
    *first = *last = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        if (HText::isDoubleByte(path.data(), path.size(), i)) {
            ++i;
        } else if (path[i] == '\\') {
            if (*first == std::string::npos) {
                *first = i;
            }
            *last = i;
        }
    }
}

// A platform call that fills a buffer and returns the length it needs when the buffer is too
// small, as GetModuleFileName and GetCurrentDirectory do.
template <class Call>
std::string readPlatformText(Call call)
{
    std::vector<char> buffer(MAX_PATH + 1);
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < buffer.size() - 1) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 4);
    }
    return std::string();
}

}  // namespace

void HApplication::initializeApplication(Instance instance, Instance previous,
                                         const std::string& commandLine, int showCommand,
                                         uint32_t flags)
{
    State& application = state();
    application.instance = instance;
    application.previous = previous;
    application.commandLine = commandLine;
    application.showCommand = showCommand;
    application.flags = flags;
    HLOG_START("initializeApplication");
    if (isFlagSet(FLAG_COM)) {
        // S_FALSE (already started on this thread) also needs its CoUninitialize.
        application.comStarted = SUCCEEDED(CoInitialize(nullptr));
        HDebug::debug("CoInitialize");
    }
    if (isFlagSet(FLAG_DIRECTX)) {
        bool started = HDirectX::initialize();
        if (!started) {
            application.flags &= ~static_cast<uint32_t>(FLAG_DIRECTX);
        }
        HDebug::debug("DirectX::initialize=%d", started ? 1 : 0);
    }
    HLOG_END("initializeApplication");
}

void HApplication::uninitializeApplication()
{
    State& application = state();
    HLOG_START("uninitializeApplication");
    if (isFlagSet(FLAG_COM)) {
        if (application.comStarted) {
            CoUninitialize();
            application.comStarted = false;
        }
        HDebug::debug("CoUninitialize");
    }
    if (isFlagSet(FLAG_DIRECTX)) {
        HDirectX::uninitialize();
        HDebug::debug("HDirectX::uninitialize");
    }
    HLOG_END("uninitializeApplication");
}

bool HApplication::isFlagSet(uint32_t mask)
{
    return (state().flags & mask) != 0;
}

HApplication::Instance HApplication::getInstanceHandle()
{
    return state().instance;
}

const std::string& HApplication::getCommandLine()
{
    return state().commandLine;
}

int HApplication::getShowCommand()
{
    return state().showCommand;
}

HFile HApplication::getModuleFile()
{
    return HFile(readPlatformText([](char* buffer, DWORD size) {
        return GetModuleFileNameA(nullptr, buffer, size);
    }));
}

HFile HApplication::getCurrentDirectory()
{
    return HFile(HSystem::get().getCurrentDirectory());
}

bool HApplication::setCurrentDirectory(const HFile& file)
{
    // A drive root ("C:\") has an empty name: it is a folder in itself.
    std::string folder = file.getType() == HFile::TYPE_DIRECTORY || file.getName().empty()
                             ? file.getPath()
                             : file.getDirectory();
    return !folder.empty() && HSystem::get().setCurrentDirectory(folder);
}

bool HApplication::readRegistry(const std::string& path, char* buffer, uint32_t* size,
                                uint32_t view)
{
    size_t first = 0;
    size_t last = 0;
    findSeparators(path, &first, &last);
    std::string rootName = path.substr(0, first);
    std::string subkey;
    std::string valueName;
    if (first != std::string::npos) {
        valueName = path.substr(last + 1);
        if (last > first) {
            subkey = path.substr(first + 1, last - first - 1);
        }
    }
    HKEY root = nullptr;
    for (const RootKey& candidate : kRootKeys) {
        if (rootName == candidate.name) {
            root = candidate.key;
        }
    }
    if (root == nullptr) {
        HLOG_INFO("レジストリ参照：不正なルートキー");
        return false;
    }
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ | (view & kRegistryViews), &key);
    if (status != ERROR_SUCCESS) {
        HLOG_INFO("レジストリ参照：サブキー取得失敗");
        HDebug::debug("error code:%d", static_cast<int>(status));
        return false;
    }
    bool result = false;
    DWORD capacity = buffer != nullptr && size != nullptr ? *size : 0;
    DWORD stored = capacity;
    status = capacity == 0 ? ERROR_MORE_DATA
                           : RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr,
                                              reinterpret_cast<BYTE*>(buffer), &stored);
    // The stored data need not end in a zero byte; it must fit with one.
    if (status == ERROR_SUCCESS && (stored == 0 || buffer[stored - 1] != '\0')) {
        if (stored < capacity) {
            buffer[stored] = '\0';
        } else {
            status = ERROR_MORE_DATA;
        }
    }
    if (status == ERROR_SUCCESS) {
        *size = stored;
        HDebug::debug("text:%s", buffer);
        result = true;
    } else {
        HLOG_INFO("レジストリ参照：エントリ取得失敗");
        HDebug::debug("error code:%d", static_cast<int>(status));
    }
    status = RegCloseKey(key);
    if (status != ERROR_SUCCESS) {
        HLOG_INFO("レジストリ参照：ハンドル開放失敗");
        HDebug::debug("error code:%d", static_cast<int>(status));
    }
    return result;
}

std::string HApplication::getRegistryString(const std::string& path, uint32_t view)
{
    char buffer[kRegistryBuffer];
    uint32_t size = sizeof(buffer);
    if (!readRegistry(path, buffer, &size, view)) {
        return std::string();
    }
    return std::string(buffer);
}
