#pragma once

#include <map>
#include <string>

#include "framework/base/HSystem.h"

// Keeps the bytes of every file read whole through the system while it is installed, so that
// the check compares a map file's bytes with exactly what the editor's load read from it,
// without reading the file a second time. Installed for its lifetime over whatever system was
// in use; the reader's calls (open, size, read, close, last error) go on to that system.
class TCReadRecorder : public HSystem {
public:
    TCReadRecorder();
    ~TCReadRecorder() override;

    Handle open(const std::string& path, OpenMode mode, bool* existed) override;
    bool read(Handle file, void* data, uint32_t count, uint32_t* done) override;
    bool getSize(Handle file, int64_t* size) override;
    bool close(Handle file) override;
    uint32_t getLastError() override;

    // The bytes of every file read whole, by the exact path it was opened under; a file whose
    // size could not be had or whose read failed is left out. The recorder keeps none.
    std::map<std::string, std::string> takeFiles();

private:
    struct Reading {
        std::string path;
        std::string bytes;
        int64_t size = -1;   // as the system reported it; -1 until then
        bool ended = false;  // a read found the end early: the file shrank while it was read
        bool failed = false;
    };

    HSystem* m_previous;  // not owned; nullptr for the native system
    std::map<Handle, Reading> m_open;
    std::map<std::string, std::string> m_files;
};
