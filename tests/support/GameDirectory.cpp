#include "tests/support/GameDirectory.h"

// The registry exists on Windows only: the host build has sampleGame() alone.
#ifdef _WIN32
#include "framework/HWin32.h"

namespace {

const char* const kKey = "SOFTWARE\\Kest\\Molva";
const char* const kValue = "Directory";

bool readValue(std::string* text)
{
    char buffer[2048];
    DWORD size = sizeof(buffer);
    DWORD type = 0;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kKey, kValue, RRF_RT_REG_SZ, &type, buffer, &size)
        != ERROR_SUCCESS) {
        return false;
    }
    *text = buffer;
    return true;
}

void writeValue(const std::string& text)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr)
        != ERROR_SUCCESS) {
        return;
    }
    RegSetValueExA(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void removeValue()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_WRITE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, kValue);
        RegCloseKey(key);
    }
}

}  // namespace

GameDirectory::GameDirectory(const std::string& folder)
{
    m_had = readValue(&m_previous);
    if (folder.empty()) {
        removeValue();
    } else {
        writeValue(folder);
    }
}

GameDirectory::~GameDirectory()
{
    if (m_had) {
        writeValue(m_previous);
    } else {
        removeValue();
    }
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
