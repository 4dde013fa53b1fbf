#include "framework/gui/HFolderChooser.h"

#include <shlobj.h>

#include <cstring>

#include "framework/base/HText.h"

namespace {

const size_t kBufferSize = 260;

// Selects the start folder (its item list, passed as the data) once the dialog is up. By
// item list rather than by path text: Wine's dialog does not find a folder by its text when
// it is the first use of the shell in a session.
int CALLBACK browseCallback(HWND dialog, UINT message, LPARAM /*lParam*/, LPARAM data)
{
    if (message == BFFM_INITIALIZED && data != 0) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, data);
    }
    return 0;
}

// The folder's item list, or nullptr when the shell does not know the path.
LPITEMIDLIST itemListOf(const char* path)
{
    wchar_t wide[MAX_PATH];
    if (MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) == 0) {
        return nullptr;
    }
    LPITEMIDLIST item = nullptr;
    if (FAILED(SHParseDisplayName(wide, nullptr, &item, 0, nullptr))) {
        return nullptr;
    }
    return item;
}

void copyText(char* buffer, const std::string& text)
{
    std::string cut = HText::cut(text, kBufferSize - 1);
    memcpy(buffer, cut.c_str(), cut.size() + 1);
}

}  // namespace

HFolderChooser::HFolderChooser()
{
    setClassName("HFolderChooser");
}

HFolderChooser::~HFolderChooser() = default;

bool HFolderChooser::show(HWND owner, const std::string& title, const HFile& startFolder)
{
    char start[kBufferSize];
    char prompt[kBufferSize];
    copyText(start, startFolder.getFullPath());
    copyText(prompt, title);
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) {
        return false;
    }
    bool chosen = false;
    char* name = static_cast<char*>(allocator->Alloc(kBufferSize));
    LPITEMIDLIST root = nullptr;
    LPITEMIDLIST startItem = itemListOf(start);
    HRESULT rootResult = SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &root);
    if (name != nullptr && SUCCEEDED(rootResult)) {
        name[0] = '\0';
        BROWSEINFOA info;
        ZeroMemory(&info, sizeof(info));
        info.hwndOwner = owner;
        info.pidlRoot = root;
        info.pszDisplayName = name;
        info.lpszTitle = prompt;
        info.ulFlags = BIF_RETURNONLYFSDIRS;
        info.lpfn = browseCallback;
        info.lParam = reinterpret_cast<LPARAM>(startItem);
        LPITEMIDLIST item = SHBrowseForFolderA(&info);
        if (item != nullptr) {
            chosen = SHGetPathFromIDListA(item, name) != FALSE;
            if (chosen) {
                m_folder = HFile(std::string(name));
            }
            allocator->Free(item);
        }
    }
    if (root != nullptr) {
        allocator->Free(root);
    }
    if (startItem != nullptr) {
        allocator->Free(startItem);
    }
    if (name != nullptr) {
        allocator->Free(name);
    }
    allocator->Release();
    return chosen;
}
