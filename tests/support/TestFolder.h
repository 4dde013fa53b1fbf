#pragma once

#include <string>

// A new, empty folder made current for the length of a test; the previous current folder
// comes back and the folder is removed afterwards.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // The folder's absolute path as the system writes paths (backslash separators).
    const std::string& path() const { return m_path; }

    // Plain byte access to files relative to the folder, independent of the code under test.
    // Names use backslashes, as the system's paths do.
    static void write(const std::string& name, const std::string& bytes);
    static std::string read(const std::string& name);
    static bool exists(const std::string& name);
    static void makeFolder(const std::string& name);
    // Names of the entries directly inside the current folder, sorted, leaving out the debug
    // log, its backups and its marker files.
    static std::string list();
    // A name as the system writes it (backslashes) for this platform's file functions, and
    // the other way round.
    static std::string native(const std::string& name);
    static std::string systemForm(std::string path);

private:
    std::string m_previous;
    std::string m_path;
};
