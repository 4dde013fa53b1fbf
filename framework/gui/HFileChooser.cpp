#include "framework/gui/HFileChooser.h"

#include <algorithm>
#include <cstring>

#include "framework/base/HText.h"

namespace {

// "全てのファイル {*.*}", zero, "*.*", zero, zero: 26 bytes in Shift-JIS.
const char kDefaultFilter[] = "全てのファイル {*.*}\0*.*\0";

// Copies the text, cut to limit bytes on a character boundary, with its terminating zero.
void copyText(char* buffer, const std::string& text, size_t limit)
{
    std::string cut = HText::cut(text, limit);
    memcpy(buffer, cut.c_str(), cut.size() + 1);
}

}  // namespace

HFileChooser::HFileChooser()
{
    setClassName("HFileChooser");
    ZeroMemory(&m_record, sizeof(m_record));
    memset(m_filter, 0, sizeof(m_filter));
    memset(m_customFilter, 0, sizeof(m_customFilter));
    memset(m_file, 0, sizeof(m_file));
    memset(m_fileTitle, 0, sizeof(m_fileTitle));
    memcpy(m_filter, kDefaultFilter, sizeof(kDefaultFilter));
    copyText(m_startFolder, ".", FOLDER_SIZE - 1);
    copyText(m_title, "ファイルを開く", TITLE_SIZE - 1);
    m_record.lStructSize = sizeof(m_record);
    m_record.lpstrFilter = m_filter;
    m_record.lpstrCustomFilter = m_customFilter;
    m_record.nMaxCustFilter = CUSTOM_FILTER_SIZE;
    m_record.lpstrFile = m_file;
    m_record.nMaxFile = FILE_SIZE;
    m_record.lpstrFileTitle = m_fileTitle;
    m_record.nMaxFileTitle = FILE_TITLE_SIZE;
    m_record.lpstrInitialDir = m_startFolder;
    m_record.lpstrTitle = m_title;
    m_record.Flags = OFN_FILEMUSTEXIST;
}

HFileChooser::~HFileChooser() = default;

void HFileChooser::setOwner(HWND owner)
{
    m_record.hwndOwner = owner;
}

void HFileChooser::setStartFolder(const std::string& folder)
{
    copyText(m_startFolder, folder, 258);
}

void HFileChooser::setTitle(const std::string& title)
{
    copyText(m_title, title, title.size() <= TITLE_SIZE - 1 ? TITLE_SIZE - 1 : 258);
}

void HFileChooser::setFilter(const char* bytes, size_t length)
{
    memset(m_filter, 0, sizeof(m_filter));
    if (bytes != nullptr) {
        // The last two bytes stay zero, so the list always ends.
        memcpy(m_filter, bytes, std::min(length, FILTER_SIZE - 2));
    }
}

bool HFileChooser::showSave()
{
    // No change of the current folder: the log and the settings files are found there.
    // Asking before replacing an existing file keeps a slip from destroying it.
    m_record.Flags = OFN_CREATEPROMPT | OFN_NOCHANGEDIR | OFN_OVERWRITEPROMPT;
    // Cancel must leave the name as it was, but the dialog may write into the buffer.
    char previous[FILE_SIZE];
    memcpy(previous, m_file, sizeof(previous));
    if (GetSaveFileNameA(&m_record)) {
        return true;
    }
    memcpy(m_file, previous, sizeof(previous));
    return false;
}

HFile HFileChooser::getFile() const
{
    return HFile(std::string(m_file));
}
