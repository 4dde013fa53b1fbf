#include "editor/view/BMChooserPages.h"

#include "editor/model/BMEditor.h"
#include "editor/view/BMViewFlags.h"

namespace {

const int kAreaRows = 16;        // maps on a page of the area list
const int kCharacterCells = 40;  // character chips on a page
const int kCharacterPages = 6;

}  // namespace

bool BMChooserPages::setPage(int page)
{
    if (m_pageCount < 1) {
        return false;
    }
    if (page < 1) {
        page = m_pageCount;
    } else if (page > m_pageCount) {
        page = 1;
    }
    m_page = page;
    return true;
}

void BMChooserPages::setup(uint32_t viewFlags, int maps, int currentMap, const BMEditor& editor)
{
    m_page = 1;
    m_pageCount = 1;
    m_index = 1;
    if ((viewFlags & VIEW_PAGE_AREA) != 0) {
        m_pageCount = (maps + kAreaRows - 1) / kAreaRows;
        // Without a current map the list opens on its first page with no row chosen.
        m_index = 0;
        if (currentMap > 0) {
            m_page = (currentMap - 1) / kAreaRows + 1;
            m_index = (currentMap - 1) % kAreaRows + 1;
        }
    } else if ((viewFlags & VIEW_PAGE_CHAR) != 0) {
        m_pageCount = kCharacterPages;
        m_page = editor.getCharacter() / kCharacterCells + 1;
        m_index = editor.getCharacter() % kCharacterCells + 1;
    } else if ((viewFlags & VIEW_PAGE_OBJ) != 0) {
        m_index = editor.getObject() + 1;
    } else if ((viewFlags & VIEW_PAGE_HEIGHT) != 0) {
        m_index = editor.getHeight() + 1;
    } else if ((viewFlags & VIEW_PAGE_CONNECTION) != 0) {
        m_index = editor.getGroupIndex() + 1;
    }
}
