// The overview's grid against a brute-force search over the tiles: random area counts, widths
// and column counts; hits at and around every tile's corners, the bands a scroll shows, and
// the link lines' ends on the thumbnails' edges.

#include <random>

#include <gtest/gtest.h>

#include "editor/view/BMOverviewLayout.h"

namespace {

bool holds(const BMRect& rect, int x, int y)
{
    return rect.left <= x && x < rect.right && rect.top <= y && y < rect.bottom;
}

uint32_t bruteHit(const BMOverviewLayout& layout, int x, int y)
{
    for (uint32_t n = 1; n <= layout.getCount(); ++n) {
        if (holds(layout.tileOf(n), x, y)) {
            return n;
        }
    }
    return 0;
}

TEST(OverviewLayout, TilesHitsBandsAndLinksAgreeWithABruteForceSearch)
{
    std::mt19937 random(200);
    for (int run = 0; run < 50; ++run) {
        BMOverviewLayout layout;
        const uint32_t count = random() % 230;
        const int width = random() % 2 == 0 ? static_cast<int>(random() % 2200) : 0;
        layout.setup(count, width, static_cast<int>(random() % 12));
        ASSERT_GE(layout.getColumns(), 1);
        if (width > 0 && layout.getColumns() > 1) {
            EXPECT_LE(layout.getSize().x, width);  // the columns fit the width they came from
        }
        const BMPoint size = layout.getSize();
        for (uint32_t n = 1; n <= count; ++n) {
            const BMRect tile = layout.tileOf(n);
            const BMRect thumb = layout.thumbnailOf(n);
            ASSERT_FALSE(tile.isEmpty());
            EXPECT_TRUE(tile.right <= size.x && tile.bottom <= size.y) << n;
            EXPECT_EQ(thumb.width(), BMOverviewLayout::THUMB_WIDTH);
            EXPECT_EQ(thumb.height(), BMOverviewLayout::THUMB_HEIGHT);
            EXPECT_EQ(thumb.bottom, tile.bottom);
            if (n > 1) {  // reading order
                const BMRect before = layout.tileOf(n - 1);
                EXPECT_TRUE(before.top < tile.top || (before.top == tile.top && before.right < tile.left));
            }
            for (int dx : {-1, 0, 1}) {
                for (int dy : {-1, 0, 1}) {
                    for (BMPoint corner : {BMPoint{tile.left, tile.top}, BMPoint{tile.right - 1, tile.bottom - 1}}) {
                        const int x = corner.x + dx;
                        const int y = corner.y + dy;
                        ASSERT_EQ(layout.hit(x, y), bruteHit(layout, x, y)) << x << "," << y;
                    }
                }
            }
        }
        EXPECT_EQ(layout.tileOf(0).isEmpty(), true);
        EXPECT_EQ(layout.tileOf(count + 1).isEmpty(), true);
        for (int band = 0; band < 20; ++band) {
            const int top = static_cast<int>(random() % static_cast<uint32_t>(size.y + 400)) - 200;
            const int height = static_cast<int>(random() % 900);
            uint32_t first = 0;
            uint32_t last = 0;
            layout.visible(top, height, &first, &last);
            for (uint32_t n = 1; n <= count; ++n) {
                const BMRect tile = layout.tileOf(n);
                const bool touches = height > 0 && tile.top < top + height && tile.bottom > top;
                ASSERT_EQ(touches, first <= n && n <= last) << n << " in " << top << "+" << height;
            }
        }
        if (count >= 2) {
            const uint32_t from = 1 + random() % count;
            const uint32_t to = 1 + random() % count;
            BMPoint start{};
            BMPoint end{};
            ASSERT_EQ(layout.linkLine(from, to, &start, &end), from != to);
            auto onEdge = [](const BMRect& r, BMPoint p) {
                const bool inX = r.left <= p.x && p.x <= r.right;
                const bool inY = r.top <= p.y && p.y <= r.bottom;
                return inX && inY && (p.x == r.left || p.x == r.right || p.y == r.top || p.y == r.bottom);
            };
            if (from != to) {
                EXPECT_TRUE(onEdge(layout.thumbnailOf(from), start)) << from << "->" << to;
                EXPECT_TRUE(onEdge(layout.thumbnailOf(to), end)) << from << "->" << to;
            }
        }
        EXPECT_FALSE(layout.linkLine(1, count + 1, nullptr, nullptr));
    }
}

}  // namespace
