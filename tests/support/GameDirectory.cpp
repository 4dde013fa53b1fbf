#include "tests/support/GameDirectory.h"

// The registry exists on Windows only: the host build has sampleGame() alone.
#ifdef _WIN32
#include "framework/base/HWin32.h"

namespace {

const char* const kKey = "SOFTWARE\\Kest\\Molva";
const char* const kValue = "Directory";

// The value's text; empty where there is none.
std::string readValue()
{
    char buffer[2048];
    DWORD size = sizeof(buffer);
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kKey, kValue, RRF_RT_REG_SZ, nullptr, buffer, &size)
        != ERROR_SUCCESS) {
        return std::string();
    }
    return buffer;
}

// An empty text removes the value. Setting it makes the key where it is missing.
void writeValue(const std::string& text)
{
    if (text.empty()) {
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kKey, kValue);
    } else {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, kValue, REG_SZ, text.c_str(),
                        static_cast<DWORD>(text.size() + 1));
    }
}

}  // namespace

GameDirectory::GameDirectory(const std::string& folder) : m_previous(readValue())
{
    writeValue(folder);
}

GameDirectory::~GameDirectory()
{
    writeValue(m_previous);
}

#endif

std::string GameDirectory::sampleGame()
{
    // The build passes the folder as a path of the machine that built it; Wine shows that
    // machine's root as drive Z.
    std::string path = TESSEL_SAMPLE_GAME;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
#ifdef _WIN32
    return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
#else
    return path;
#endif
}
