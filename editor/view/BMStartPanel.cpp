#include "editor/view/BMStartPanel.h"

#include <algorithm>

#include "editor/view/BMColors.h"
#include "framework/base/HText.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"

namespace {

// The panel font of the display: fixed pitch, 6 pixels a byte.
const int kTextAdvance = 6;
const int kMargin = 10;
const int kTitleTop = 8;
const int kListTop = 48;   // the first scenario row
const int kGap = 8;         // between the list and the open row
const int kNoteLines = 1;  // below the open row
const int kMinimumTop = 8;

// The display's panels are the mode's shade over the map; here there is no map, so the shade
// and the frame are taken as they look over black, and the panel is opaque.
const HColor kBackground{10, 10, 10, 255};
const HColor kFrame{173, 173, 173, 255};

const char* const kTitle = "シナリオを開く";
const char* const kInstalled = "インストールされたゲームのシナリオ:";
const char* const kRecent = "最近開いたシナリオ:";
const char* const kNoScenario = "  (見つかりませんでした)";
const char* const kOpenRow = "ほかのフォルダを開く...   Ctrl+O";
const char* const kDropNote = "フォルダをこのウィンドウにドロップしても開けます。";
const char* const kMore = "  ほか %d 件はﾌｧｲﾙﾒﾆｭｰから";

}  // namespace

BMStartPanel::BMStartPanel() : m_font("ＭＳ ゴシック", HFont::STYLE_PLAIN, 9)
{
}

BMStartPanel::~BMStartPanel() = default;

void BMStartPanel::setScenarios(const std::vector<Row>& scenarios)
{
    m_scenarios = scenarios;
    changed();
}

void BMStartPanel::setRecent(const std::vector<Row>& recent)
{
    m_recent = recent;
    changed();
}

void BMStartPanel::setSearchNotes(const std::vector<std::string>& notes)
{
    m_notes = notes;
    changed();
}

void BMStartPanel::changed()
{
    m_hovered = -1;
    m_painted = false;
}

int BMStartPanel::listTop() const
{
    return m_recent.empty() ? kListTop
                            : kListTop + static_cast<int>(m_recent.size() + 1) * ROW_HEIGHT + kGap;
}

int BMStartPanel::linesBelow(int shown) const
{
    if (m_scenarios.empty()) {
        return 1 + static_cast<int>(m_notes.size());
    }
    return shown < static_cast<int>(m_scenarios.size()) ? 1 : 0;
}

void BMStartPanel::setViewSize(int width, int height)
{
    if (width != m_viewWidth || height != m_viewHeight) {
        int rows = shownScenarios();
        m_viewWidth = width;
        m_viewHeight = height;
        m_painted = m_painted && rows == shownScenarios();
    }
}

int BMStartPanel::shownScenarios() const
{
    int count = static_cast<int>(m_scenarios.size());
    // Everything but the scenario rows, and one row for "and N more" when some are left out.
    int fixed = listTop() + kGap + (1 + kNoteLines) * ROW_HEIGHT + kMargin + 2 * kMinimumTop;
    int room = std::max(1, (m_viewHeight - fixed) / ROW_HEIGHT);
    return count <= room ? count : std::max(0, room - 1);
}

std::vector<BMStartPanel::Row> BMStartPanel::clickableRows() const
{
    std::vector<Row> rows(m_recent);
    rows.insert(rows.end(), m_scenarios.begin(), m_scenarios.begin() + shownScenarios());
    rows.push_back({kOpenRow, OPEN_COMMAND});
    return rows;
}

int BMStartPanel::rowTop(int i) const
{
    const int recent = static_cast<int>(m_recent.size());
    if (i < recent) {
        return kListTop + i * ROW_HEIGHT;
    }
    i -= recent;
    int shown = shownScenarios();
    if (i < shown) {
        return listTop() + i * ROW_HEIGHT;
    }
    return listTop() + (shown + linesBelow(shown)) * ROW_HEIGHT + kGap;
}

int BMStartPanel::height() const
{
    return rowTop(static_cast<int>(m_recent.size()) + shownScenarios()) +
           (1 + kNoteLines) * ROW_HEIGHT + kMargin;
}

BMRect BMStartPanel::getBounds() const
{
    int width = WIDTH;
    int h = height();
    BMRect bounds;
    bounds.add(std::max(0, (m_viewWidth - width) / 2),
               std::max(kMinimumTop, (m_viewHeight - h) / 3), width, h);
    return bounds;
}

uint32_t BMStartPanel::commandAt(int px, int py) const
{
    BMRect bounds = getBounds();
    int x = px - bounds.left;
    int y = py - bounds.top;
    if (x < kMargin / 2 || x >= WIDTH - kMargin / 2) {
        return 0;
    }
    std::vector<Row> rows = clickableRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        int top = rowTop(static_cast<int>(i));
        if (y >= top && y < top + ROW_HEIGHT) {
            return rows[i].command;
        }
    }
    return 0;
}

bool BMStartPanel::hover(int px, int py)
{
    int hovered = -1;
    uint32_t command = commandAt(px, py);
    std::vector<Row> rows = clickableRows();
    for (size_t i = 0; i < rows.size() && command != 0; ++i) {
        if (rows[i].command == command) {
            hovered = static_cast<int>(i);
        }
    }
    if (hovered == m_hovered) {
        return false;
    }
    m_hovered = hovered;
    m_painted = false;
    return true;
}

void BMStartPanel::paint()
{
    int h = height();
    if (m_canvas == nullptr || m_canvas->getPixels() == nullptr
        || m_canvas->getPixels()->getHeight() != h) {
        m_canvas.reset(new BMCanvas(WIDTH, h));
    }
    HMemoryImage* panel = m_canvas->getPixels();
    if (panel == nullptr) {
        return;
    }
    const int textWidth = WIDTH - 2 * kMargin;
    auto text = [&](int x, int y, const std::string& line, const HColor& color) {
        size_t bytes = static_cast<size_t>((textWidth - x + kMargin) / kTextAdvance);
        HImageLoader::drawString(panel, x, y + 3, &m_font, HText::cut(line, bytes), color);
    };
    panel->fill(kBackground);
    HImageLoader::drawFrame(panel, 0, 0, WIDTH, h, kFrame);
    text(kMargin, kTitleTop, kTitle, BMColors::CURSOR_WHITE);
    HImageLoader::fillRect(panel, kMargin, kTitleTop + ROW_HEIGHT + 2, textWidth, 1, kFrame);
    if (!m_recent.empty()) {
        text(kMargin, kListTop - ROW_HEIGHT, kRecent, BMColors::LABEL_GREY);
    }
    text(kMargin, listTop() - ROW_HEIGHT, kInstalled, BMColors::LABEL_GREY);

    std::vector<Row> rows = clickableRows();
    const int listed = static_cast<int>(m_recent.size()) + shownScenarios();
    for (size_t i = 0; i < rows.size(); ++i) {
        int top = rowTop(static_cast<int>(i));
        if (static_cast<int>(i) == m_hovered) {
            HImageLoader::fillRect(panel, kMargin / 2, top, WIDTH - kMargin, ROW_HEIGHT,
                                   BMColors::HOVER_BLUE);
        }
        const int indent = static_cast<int>(i) < listed ? 2 * kTextAdvance : 0;
        // The detail goes right-aligned when the label leaves room for it.
        const int detailX = WIDTH - kMargin - static_cast<int>(rows[i].detail.size()) * kTextAdvance;
        const bool detail = !rows[i].detail.empty() &&
            kMargin + indent + static_cast<int>(rows[i].label.size() + 2) * kTextAdvance <= detailX;
        text(kMargin + indent, top,
             detail ? rows[i].label : rows[i].label + (rows[i].detail.empty() ? "" : "  " + rows[i].detail),
             BMColors::CURSOR_WHITE);
        if (detail) {
            text(detailX, top, rows[i].detail, BMColors::LABEL_GREY);
        }
    }
    const int shown = shownScenarios();
    int below = listTop() + shown * ROW_HEIGHT;
    if (m_scenarios.empty()) {
        text(kMargin, below, kNoScenario, BMColors::LABEL_GREY);
        for (const std::string& note : m_notes) {
            below += ROW_HEIGHT;
            text(kMargin + 4 * kTextAdvance, below, note, BMColors::LABEL_GREY);
        }
    } else if (shown < static_cast<int>(m_scenarios.size())) {
        text(kMargin, below, HText::format(kMore, static_cast<int>(m_scenarios.size()) - shown),
             BMColors::LABEL_GREY);
    }
    int note = rowTop(listed) + ROW_HEIGHT;
    text(kMargin, note, kDropNote, BMColors::LABEL_GREY);
    m_canvas->touch(0, 0, WIDTH, h);
    m_painted = true;
}

void BMStartPanel::draw(HGraphics* graphics)
{
    if (graphics == nullptr) {
        return;
    }
    if (!m_painted) {
        paint();
    }
    HImage* picture = m_canvas != nullptr ? m_canvas->forDevice(graphics) : nullptr;
    if (picture != nullptr) {
        BMRect bounds = getBounds();
        graphics->drawImage(picture, bounds.left, bounds.top, bounds.width(), bounds.height(), 0,
                            0);
    }
}
