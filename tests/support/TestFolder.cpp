#include "tests/support/TestFolder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

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
    m_path = fs::current_path().string();
}

TestFolder::~TestFolder()
{
    std::error_code error;
    fs::current_path(m_previous, error);
    // Read-only files left by a test would block the removal.
    for (const auto& entry : fs::recursive_directory_iterator(m_path, error)) {
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, error);
    }
    fs::remove_all(m_path, error);
}

void TestFolder::write(const std::string& name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TestFolder::read(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool TestFolder::exists(const std::string& name)
{
    std::error_code error;
    return fs::exists(name, error);
}

void TestFolder::makeFolder(const std::string& name)
{
    fs::create_directories(name);
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
