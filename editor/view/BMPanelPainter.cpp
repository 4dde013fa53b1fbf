#include "editor/view/BMPanelPainter.h"

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/model/BMMapLimits.h"
#include "editor/view/BMColors.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMHotSpots.h"
#include "editor/view/BMLimitText.h"
#include "editor/view/BMRenderer.h"
#include "framework/base/HText.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

// The panel font is a fixed-pitch Gothic of 12 pixels: 6 pixels a byte, so a double-byte
// character takes 12. Texts are cut by bytes to stay inside their panels.
const int kTextAdvance = 6;
const int kChip = 32;
const int kChipsPerRow = 20;
const int kChipsPerPage = 40;

const char* const kNoLink = " 00:未接続";

const BMHotSpot& spot(int number)
{
    return *BMHotSpots::get(number);
}

void copyChip(HImage* chips, HImage* panel, int chip, int x, int y)
{
    if (chips != nullptr) {
        chips->draw(panel, x, y, kChip, kChip, chip % kChipsPerRow * kChip,
                    chip / kChipsPerRow * kChip);
    }
}

}  // namespace

BMPanelPainter::BMPanelPainter(BMRenderer& renderer, const BMDisplay& display)
    : m_renderer(renderer), m_display(display), m_data(display.getData())
{
}

void BMPanelPainter::text(HImage* panel, int x, int y, const std::string& text,
                          const HColor& color, int width)
{
    HImageLoader::drawString(panel, x, y, m_renderer.getPanelFont(),
                             HText::cut(text, static_cast<size_t>(width / kTextAdvance)), color);
}

bool BMPanelPainter::hovered(int number) const
{
    return m_display.getLayout().getHoverMark(number) != 0;
}

void BMPanelPainter::fillHovered(HImage* panel, int number)
{
    if (hovered(number)) {
        const BMHotSpot& rect = spot(number);
        HImageLoader::fillRect(panel, rect.x, rect.y, rect.width, rect.height, BMColors::HOVER_BLUE);
    }
}

std::string BMPanelPainter::linkText(uint32_t area) const
{
    if (area == 0) {
        return kNoLink;
    }
    if (area > m_data->getAreaCount()) {
        return HText::format(" %02u:", area);
    }
    return m_data->getString(BMData::TYPE_STATUS_AREA, area, 0, 0);
}

void BMPanelPainter::paintAreaInfo(HImage* panel)
{
    panel->fill(BMColors::modeColor(m_display.getEditor().getEditMode()));
    HImageLoader::drawFrame(panel, 0, 0, AREA_INFO_WIDTH, AREA_INFO_HEIGHT, BMColors::VEIL_WHITE);
    for (int number = 1; number <= 5; ++number) {
        fillHovered(panel, number);
    }
    const int types[] = {BMData::TYPE_STATUS_PAGE, BMData::TYPE_STATUS_AREA,
                         BMData::TYPE_STATUS_COUNTS, BMData::TYPE_STATUS_MUSIC};
    for (int line = 0; line < 4; ++line) {
        text(panel, 4, 6 + 18 * line, m_data->getString(types[line], 0, 0, 0),
             BMColors::CURSOR_WHITE, AREA_INFO_WIDTH - 8);
    }
}

std::string BMPanelPainter::areaInfoLook() const
{
    std::string look(1, static_cast<char>(m_display.getEditor().getEditMode()));
    for (int number = 1; number <= 5; ++number) {
        look += hovered(number) ? '1' : '0';
    }
    const int types[] = {BMData::TYPE_STATUS_PAGE, BMData::TYPE_STATUS_AREA,
                         BMData::TYPE_STATUS_COUNTS, BMData::TYPE_STATUS_MUSIC};
    for (int type : types) {
        look += '\n' + m_data->getString(type, 0, 0, 0);
    }
    return look;
}

void BMPanelPainter::paintPalette(HImage* panel)
{
    panel->fill(BMColors::CLEAR);
    HImageLoader::fillRect(panel, 0, 20, PALETTE_WIDTH, PALETTE_HEIGHT - 20,
                           BMColors::modeColor(m_display.getEditor().getEditMode()));
    paintModeTabs(panel);
    paintCurrentValues(panel);
    paintGroupButtons(panel);
    paintShapeButtons(panel);
    paintBrush(panel);
    HImageLoader::drawFrame(panel, 0, 0, PALETTE_WIDTH, PALETTE_HEIGHT, BMColors::VEIL_WHITE);
}

// Five tabs of 32 x 20 in the colours of their modes; the current mode's tab opens into the
// panel below it.
void BMPanelPainter::paintModeTabs(HImage* panel)
{
    const int modes[] = {MODE_CHAR, MODE_OBJ, MODE_HEIGHT, MODE_PLACEMENT, MODE_BORDER};
    for (int k = 0; k < 5; ++k) {
        HColor color = hovered(6 + k) ? BMColors::HOVER_BLUE : BMColors::modeColor(modes[k]);
        HImageLoader::fillRect(panel, 32 * k, 1, 32, 20, color);
        if (k > 0) {
            HImageLoader::fillRect(panel, 32 * k, 1, 1, 20, BMColors::VEIL_WHITE);
        }
        if (modes[k] != m_display.getEditor().getEditMode()) {
            HImageLoader::fillRect(panel, 32 * k, 20, 32, 1, BMColors::VEIL_WHITE);
        }
    }
    text(panel, 4, 6, " chr  obj  hgt   pos  bdr ", BMColors::CURSOR_WHITE, PALETTE_WIDTH - 4);
}

// The current character, object and height, each with its two arrow buttons.
void BMPanelPainter::paintCurrentValues(HImage* panel)
{
    for (int number = 11; number <= 13; ++number) {
        fillHovered(panel, number);
    }
    int character = m_display.getEditor().getCharacter();
    copyChip(m_renderer.chipSheet(false), panel, character, 4, 28);
    m_renderer.drawNumber(panel, 4, 51, character, 3, 0x01);
    int object = m_display.getEditor().getObject();
    HImageLoader::fillRect(panel, 57, 28, kChip, kChip, BMColors::SHADE_BLUE);
    copyChip(m_renderer.chipSheet(true), panel, object, 57, 28);
    m_renderer.drawNumber(panel, 57, 28, object, 2, 0x82);
    HImageLoader::fillRect(panel, 109, 28, kChip, kChip, BMColors::SHADE_RED);
    m_renderer.drawNumber(panel, 115, 36, m_display.getEditor().getHeight(), 2, 0x10);

    // The glyph sheet holds the buttons at y 100: up and down hovered at x 0 and 15, up and
    // down normal at x 30 and 45.
    HMemoryImage* sheet = m_renderer.getImage(BMRenderer::IMAGE_GLYPHS);
    if (sheet == nullptr) {
        return;
    }
    for (int number = 14; number <= 19; ++number) {
        bool down = (number - 14) % 2 != 0;
        int sx = (hovered(number) ? 0 : 30) + (down ? 15 : 0);
        sheet->draw(panel, spot(number).x, spot(number).y, 15, 15, sx, 100);
    }
}

// Group buttons 1..8: olive when the group leads to an area; the number in red while such a
// group has fewer than 20 cells. Under them the current group's cells against the 20 the map
// file holds, in red as on its button, then its link.
void BMPanelPainter::paintGroupButtons(HImage* panel)
{
    int current = m_display.getEditor().getGroupIndex();
    for (int k = 0; k < 8; ++k) {
        const BMHotSpot& button = spot(20 + k);
        bool linked = m_data->getByte(BMData::TYPE_LINK, 0, k, 0) != 0;
        if (hovered(20 + k)) {
            HImageLoader::fillRect(panel, button.x, button.y, button.width, button.height,
                                   BMColors::HOVER_BLUE);
        } else if (linked) {
            HImageLoader::fillRect(panel, button.x, button.y, button.width, button.height,
                                   BMColors::SHADE_OLIVE);
        }
        HColor label = BMColors::LABEL_GREY;
        if (linked) {
            label = groupThin(k) ? BMColors::MARK_RED : BMColors::CURSOR_WHITE;
        }
        text(panel, button.x + 6, 68, HText::format("%d", k + 1), label, button.width);
        if (k == current) {
            HImageLoader::drawFrame(panel, button.x, button.y, button.width, button.height,
                                    BMColors::VEIL_WHITE);
        }
    }
    fillHovered(panel, 28);
    uint32_t link = m_data->getByte(BMData::TYPE_LINK, 0, current, 0);
    const std::string count =
        BMLimitText::groupCount(m_data->getWord(BMData::TYPE_CONNECT_COUNT, 0, current, 0));
    text(panel, 8, 84, count, link != 0 && groupThin(current) ? BMColors::MARK_RED : BMColors::CURSOR_WHITE,
         PALETTE_WIDTH - 12);
    const int linkX = 8 + static_cast<int>(count.size()) * kTextAdvance;
    text(panel, linkX, 84, linkText(link), BMColors::CURSOR_WHITE, PALETTE_WIDTH - 4 - linkX);
}

bool BMPanelPainter::groupThin(int group) const
{
    return m_data->getWord(BMData::TYPE_CONNECT_COUNT, 0, static_cast<uint32_t>(group), 0)
           < BMMapLimits::GROUP_CELLS;
}

// The five shape buttons, four in a row and the fill shape under the first, each labelled in
// white while it is the current shape.
void BMPanelPainter::paintShapeButtons(HImage* panel)
{
    const char* const labels[] = {"free", "line", "squa", "hexa", "fill"};
    const int spots[] = {29, 30, 31, 32, BMHotSpots::FILL_BUTTON};
    for (int k = 0; k < 5; ++k) {
        const BMHotSpot& button = spot(spots[k]);
        fillHovered(panel, spots[k]);
        HImageLoader::drawFrame(panel, button.x, button.y, button.width, button.height,
                                BMColors::CURSOR_WHITE);
        HColor color = m_display.getEditor().getShape() == k ? BMColors::CURSOR_WHITE : BMColors::LABEL_GREY;
        text(panel, button.x + 8, button.y + 4, labels[k], color, button.width - 8);
    }
}

// Beside the fill button: the brush radius with its arrows. The label is white while the brush
// paints (free hand in direct mouse mode) and grey otherwise.
void BMPanelPainter::paintBrush(HImage* panel)
{
    const bool painting = m_display.getEditor().getMouseMode() == MOUSE_DIRECT && m_display.getEditor().getShape() == SHAPE_FREE;
    const BMHotSpot& smaller = spot(BMHotSpots::BRUSH_SMALLER);
    text(panel, 48, smaller.y + 2, HText::format("brush %d", m_display.getEditor().getBrushRadius()),
         painting ? BMColors::CURSOR_WHITE : BMColors::LABEL_GREY, smaller.x - 48);
    HMemoryImage* sheet = m_renderer.getImage(BMRenderer::IMAGE_GLYPHS);
    if (sheet == nullptr) {
        return;
    }
    // The glyph sheet's buttons at y 100: up and down hovered at x 0 and 15, normal at 30 and 45.
    const BMHotSpot& larger = spot(BMHotSpots::BRUSH_LARGER);
    sheet->draw(panel, smaller.x, smaller.y, 15, 15, hovered(BMHotSpots::BRUSH_SMALLER) ? 0 : 30, 100);
    sheet->draw(panel, larger.x, larger.y, 15, 15, hovered(BMHotSpots::BRUSH_LARGER) ? 15 : 45, 100);
}

void BMPanelPainter::paintChooser(HImage* panel)
{
    panel->fill(BMColors::modeColor(m_display.getEditor().getEditMode()));
    for (int number : {33, 34, 35, 92}) {
        fillHovered(panel, number);
    }
    HImageLoader::drawFrame(panel, 0, 0, CHOOSER_WIDTH, CHOOSER_HEIGHT, BMColors::VEIL_WHITE);
    HImageLoader::drawFrame(panel, 324, 0, 16, 16, BMColors::VEIL_WHITE);
    text(panel, 327, 3, "×", BMColors::VEIL_WHITE, 12);
    const HColor& white = BMColors::CURSOR_WHITE;
    text(panel, 110, 8, "[prev]", white, 36);
    text(panel, 160, 8, HText::format("%d", m_display.getChooser().getPage()), white, 12);
    text(panel, 170, 8, "/", white, 6);
    text(panel, 180, 8, HText::format("%d", m_display.getChooser().getPageCount()), white, 18);
    text(panel, 200, 8, "[next]", white, 36);
    if (m_display.getLayout().isViewFlag(VIEW_PAGE_AREA)) {
        text(panel, 4, 8, "[Area]", white, 100);
        paintAreaPage(panel);
    } else if (m_display.getLayout().isViewFlag(VIEW_PAGE_CHAR)) {
        text(panel, 4, 8, "[BMAPCHAR]", white, 100);
        int first = kChipsPerPage * (m_display.getChooser().getPage() - 1);
        paintChipPage(panel, m_renderer.chipSheet(false), first, 240);
    } else if (m_display.getLayout().isViewFlag(VIEW_PAGE_OBJ)) {
        text(panel, 4, 8, "[BMAPOBJ]", white, 100);
        paintChipPage(panel, m_renderer.chipSheet(true), 0, kChipsPerPage);
    } else if (m_display.getLayout().isViewFlag(VIEW_PAGE_HEIGHT)) {
        text(panel, 4, 8, "[Height]", white, 100);
        paintHeightPage(panel);
    } else if (m_display.getLayout().isViewFlag(VIEW_PAGE_CONNECTION)) {
        text(panel, 4, 8, "[Connection]", white, 100);
        paintConnectionPage(panel);
    }
}

void BMPanelPainter::frameEntry(HImage* panel, int number, int entry, int grow)
{
    const BMHotSpot& rect = spot(number);
    bool chosen = m_display.getChooser().getIndex() == entry;
    if (chosen || hovered(number)) {
        HImageLoader::drawFrame(panel, rect.x - grow, rect.y - grow, rect.width + 2 * grow,
                                rect.height + 2 * grow,
                                chosen ? BMColors::CURSOR_YELLOW : BMColors::HOVER_BLUE);
    }
}

// Sixteen maps a page, in two columns of eight rows.
void BMPanelPainter::paintAreaPage(HImage* panel)
{
    uint32_t first = static_cast<uint32_t>(m_display.getChooser().getPage() - 1) * 16 + 1;
    for (int k = 0; k < 16; ++k) {
        uint32_t area = first + static_cast<uint32_t>(k);
        if (area > m_data->getAreaCount()) {
            break;
        }
        const BMHotSpot& row = spot(36 + k);
        fillHovered(panel, 36 + k);
        text(panel, row.x + 2, row.y + 2, linkText(area), BMColors::CURSOR_WHITE, row.width - 4);
        frameEntry(panel, 36 + k, k + 1, 0);
    }
}

// Chips first..first + 39 of a chip bitmap (none from last on) in ten columns of four rows.
void BMPanelPainter::paintChipPage(HImage* panel, HImage* chips, int first, int last)
{
    for (int i = 0; i < kChipsPerPage && first + i < last; ++i) {
        const BMHotSpot& entry = spot(52 + i);
        copyChip(chips, panel, first + i, entry.x, entry.y);
        frameEntry(panel, 52 + i, i + 1, 1);
    }
}

void BMPanelPainter::paintHeightPage(HImage* panel)
{
    for (int height = 0; height < 16; ++height) {
        const BMHotSpot& entry = spot(52 + height);
        HImageLoader::fillRect(panel, entry.x, entry.y, kChip, kChip, BMColors::SHADE_RED);
        m_renderer.drawNumber(panel, entry.x + 6, entry.y + 8, height, 2, 0x10);
        frameEntry(panel, 52 + height, height + 1, 1);
    }
}

// The eight placement groups, each with the area it leads to.
void BMPanelPainter::paintConnectionPage(HImage* panel)
{
    for (int k = 0; k < 8; ++k) {
        const BMHotSpot& row = spot(36 + k);
        fillHovered(panel, 36 + k);
        uint32_t link = m_data->getByte(BMData::TYPE_LINK, 0, k, 0);
        text(panel, row.x + 2, row.y + 2, HText::format("%d", k + 1) + linkText(link),
             BMColors::CURSOR_WHITE, CHOOSER_WIDTH - row.x - 6);
        frameEntry(panel, 36 + k, k + 1, 0);
    }
}
