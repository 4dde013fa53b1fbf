#pragma once

#include <string>

#include "framework/base/HFile.h"
#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"

// The shell's folder dialog, opening at a start folder.
class HFolderChooser : public HObject {
public:
    HFolderChooser();
    ~HFolderChooser() override;

    // true when the user chose a file-system folder (then getFolder names it).
    bool show(HWND owner, const std::string& title, const HFile& startFolder);
    HFile getFolder() const { return m_folder; }

private:
    HFile m_folder;
};
