#include "editor/view/BMOverviewLayout.h"

#include <algorithm>
#include <cstdlib>

namespace {

const int kStepX = BMOverviewLayout::TILE_WIDTH + BMOverviewLayout::GAP_X;
const int kStepY = BMOverviewLayout::TILE_HEIGHT + BMOverviewLayout::GAP_Y;

int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Where the ray from the centre of rect towards (tx, ty) leaves it.
BMPoint edgeToward(const BMRect& rect, int tx, int ty)
{
    const int cx = (rect.left + rect.right) / 2;
    const int cy = (rect.top + rect.bottom) / 2;
    const int dx = tx - cx;
    const int dy = ty - cy;
    const int halfW = rect.width() / 2;
    const int halfH = rect.height() / 2;
    // Scale the ray by the side it meets first: |dx| / halfW against |dy| / halfH.
    if (std::abs(dx) * halfH >= std::abs(dy) * halfW) {
        const int sx = dx >= 0 ? halfW : -halfW;
        return {cx + sx, cy + static_cast<int>(static_cast<int64_t>(dy) * halfW / std::max(std::abs(dx), 1))};
    }
    const int sy = dy >= 0 ? halfH : -halfH;
    return {cx + static_cast<int>(static_cast<int64_t>(dx) * halfH / std::max(std::abs(dy), 1)), cy + sy};
}

}  // namespace

void BMOverviewLayout::setup(uint32_t count, int width, int columns)
{
    m_count = count;
    if (width > 0) {
        columns = (width - 2 * MARGIN + GAP_X) / kStepX;
    }
    m_columns = std::max(columns, 1);
}

int BMOverviewLayout::getRows() const
{
    return static_cast<int>((m_count + static_cast<uint32_t>(m_columns) - 1) / static_cast<uint32_t>(m_columns));
}

BMPoint BMOverviewLayout::getSize() const
{
    const int columns = std::min(m_columns, static_cast<int>(std::max<uint32_t>(m_count, 1)));
    return {2 * MARGIN + columns * kStepX - GAP_X, 2 * MARGIN + std::max(getRows(), 1) * kStepY - GAP_Y};
}

BMRect BMOverviewLayout::tileOf(uint32_t number) const
{
    BMRect rect;
    if (number >= 1 && number <= m_count) {
        const int index = static_cast<int>(number - 1);
        rect.add(MARGIN + index % m_columns * kStepX, MARGIN + index / m_columns * kStepY, TILE_WIDTH,
                 TILE_HEIGHT);
    }
    return rect;
}

BMRect BMOverviewLayout::thumbnailOf(uint32_t number) const
{
    BMRect rect = tileOf(number);
    if (!rect.isEmpty()) {
        rect.top += LABEL_HEIGHT;
    }
    return rect;
}

uint32_t BMOverviewLayout::hit(int x, int y) const
{
    if (x < MARGIN || y < MARGIN) {
        return 0;
    }
    const int column = (x - MARGIN) / kStepX;
    const int row = (y - MARGIN) / kStepY;
    if (column >= m_columns || (x - MARGIN) % kStepX >= TILE_WIDTH || (y - MARGIN) % kStepY >= TILE_HEIGHT) {
        return 0;
    }
    const int64_t number = static_cast<int64_t>(row) * m_columns + column + 1;
    return number <= m_count ? static_cast<uint32_t>(number) : 0;
}

void BMOverviewLayout::visible(int top, int height, uint32_t* first, uint32_t* last) const
{
    *first = 1;
    *last = 0;
    if (m_count == 0 || height <= 0) {
        return;
    }
    // Row r spans [MARGIN + r * kStepY, that + TILE_HEIGHT): the first row ending below top,
    // the last starting above the band's end.
    const int firstRow = std::max(0, floorDiv(top - MARGIN - TILE_HEIGHT, kStepY) + 1);
    const int lastRow = std::min(floorDiv(top + height - 1 - MARGIN, kStepY), getRows() - 1);
    if (firstRow > lastRow) {
        return;
    }
    *first = static_cast<uint32_t>(firstRow * m_columns + 1);
    *last = std::min(m_count, static_cast<uint32_t>((lastRow + 1) * m_columns));
}

bool BMOverviewLayout::linkLine(uint32_t from, uint32_t to, BMPoint* start, BMPoint* end) const
{
    const BMRect a = thumbnailOf(from);
    const BMRect b = thumbnailOf(to);
    if (a.isEmpty() || b.isEmpty() || from == to) {
        return false;
    }
    *start = edgeToward(a, (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    *end = edgeToward(b, (a.left + a.right) / 2, (a.top + a.bottom) / 2);
    return true;
}
