#include "tests/support/TestFolder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "framework/base/HText.h"

namespace fs = std::filesystem;

namespace {

std::atomic<unsigned> g_counter{0};

}  // namespace

TestFolder::TestFolder()
{
    m_previous = fs::current_path().string();
    fs::path base = fs::temp_directory_path() / "tessel-tests";
    fs::create_directories(base);
    fs::path folder;
    std::error_code error;
    do {
        std::ostringstream name;
        name << "t" << std::hex << reinterpret_cast<uintptr_t>(this) << "-" << g_counter++ << "-"
             << fs::file_time_type::clock::now().time_since_epoch().count();
        folder = base / name.str();
    } while (!fs::create_directory(folder, error));
    fs::current_path(folder);
    m_path = systemForm(fs::current_path().string());
}

TestFolder::~TestFolder()
{
    std::error_code error;
    fs::current_path(m_previous, error);
    // Read-only files left by a test would block the removal.
    for (const auto& entry : fs::recursive_directory_iterator(native(m_path), error)) {
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
    }
    fs::remove_all(native(m_path), error);
}

void TestFolder::write(const std::string& name, const std::string& bytes)
{
    std::ofstream out(native(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TestFolder::read(const std::string& name)
{
    std::ifstream in(native(name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TestFolder::exists(const std::string& name)
{
    std::error_code error;
    return fs::exists(native(name), error);
}

void TestFolder::makeFolder(const std::string& name)
{
    fs::create_directories(native(name));
}

std::string TestFolder::list()
{
    static const std::set<std::string> logFiles = {"debug.log", "debug", "trace", "interface",
                                                   "journal", "warning", "error", "info", "fatal"};
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) {
        std::string name = entry.path().filename().string();
        if (logFiles.count(name) == 0 && name.rfind("debug.log.", 0) != 0) {
            names.insert(name);
        }
    }
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

// Tests name files as the system does, with backslashes; POSIX wants slashes. Only real
// separators change: the second byte of a Shift-JIS character may be 0x5C.
std::string TestFolder::native(const std::string& name)
{
    std::string path = name;
#ifndef _WIN32
    for (size_t i = 0; i < path.size(); ++i) {
        if (HText::isDoubleByte(path.data(), path.size(), i)) {
            ++i;
        } else if (path[i] == '\\') {
            path[i] = '/';
        }
    }
#endif
    return path;
}

// The other way: a POSIX path as the system writes it.
std::string TestFolder::systemForm(std::string path)
{
#ifndef _WIN32
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
#endif
    return path;
}
