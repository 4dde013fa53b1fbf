#pragma once

#include <cstddef>
#include <string>

#include "framework/base/HFile.h"
#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"

#include <commdlg.h>

// The common save-file dialog with its own buffers.
class HFileChooser : public HObject {
public:
    static constexpr size_t FILTER_SIZE = 1024;
    static constexpr size_t CUSTOM_FILTER_SIZE = 256;
    static constexpr size_t FILE_SIZE = 260;
    static constexpr size_t FILE_TITLE_SIZE = 256;
    static constexpr size_t FOLDER_SIZE = 260;
    static constexpr size_t TITLE_SIZE = 260;

    HFileChooser();
    ~HFileChooser() override;

    void setOwner(HWND owner);
    void setStartFolder(const std::string& folder);
    void setTitle(const std::string& title);
    // The filter pairs as the dialog takes them: "name", 0, "pattern", 0, ..., 0.
    void setFilter(const char* bytes, size_t length);
    // Runs the dialog; true when the user chose a file. Cancel leaves the file name alone.
    bool showSave();
    HFile getFile() const;

private:
    OPENFILENAMEA m_record;
    char m_filter[FILTER_SIZE];
    char m_customFilter[CUSTOM_FILTER_SIZE];
    char m_file[FILE_SIZE];
    char m_fileTitle[FILE_TITLE_SIZE];
    char m_startFolder[FOLDER_SIZE];
    char m_title[TITLE_SIZE];
};
