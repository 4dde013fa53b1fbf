#include "editor/view/BMOverviewPicture.h"

#include <algorithm>
#include <cstdlib>

#include "editor/model/BMData.h"
#include "editor/view/BMColors.h"
#include "framework/base/HText.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/graphics/HMemoryImage.h"
#include "scenario/ZDEditArea.h"

namespace {

const char* const kFontName = "ＭＳ ゴシック";
constexpr HColor kBackground{40, 40, 44, 255};
constexpr HColor kLabel{230, 230, 230, 255};
// One colour a placement group, so that the lines of one group can be told apart.
constexpr HColor kGroupColours[8] = {{255, 96, 96, 255},  {255, 176, 64, 255}, {240, 240, 80, 255},
                                     {96, 224, 96, 255},  {80, 216, 240, 255}, {96, 128, 255, 255},
                                     {208, 112, 255, 255}, {255, 128, 208, 255}};
const int kEndMark = 5;  // the square at a line's end

uint32_t pixelOf(const HColor& colour)
{
    return 0xFF000000u | static_cast<uint32_t>(colour.getRed()) << 16
           | static_cast<uint32_t>(colour.getGreen()) << 8 | static_cast<uint32_t>(colour.getBlue());
}

}  // namespace

// FNV-1a over the two layers.
uint64_t BMOverviewPicture::stampOf(const ZDBMap& map)
{
    uint64_t hash = 14695981039346656037ull;
    for (uint32_t y = 0; y < ZDBMap::SIZE; ++y) {
        for (uint32_t x = 0; x < ZDBMap::SIZE; ++x) {
            hash = (hash ^ map.getCharacter(x, y)) * 1099511628211ull;
            hash = (hash ^ map.getObject(x, y)) * 1099511628211ull;
        }
    }
    return hash | 1;  // never 0, the stamp of a thumbnail not drawn
}

namespace {

// A straight line of image pixels from a to b (both in image pixels), clipped to the image.
void drawLine(HMemoryImage* image, BMPoint a, BMPoint b, uint32_t pixel)
{
    const int width = image->getWidth();
    const int height = image->getHeight();
    if (std::max(a.x, b.x) < 0 || std::min(a.x, b.x) >= width || std::max(a.y, b.y) < 0
        || std::min(a.y, b.y) >= height) {
        return;
    }
    uint32_t* pixels = image->getPixels();
    const int stride = image->getStride() / 4;
    const int steps = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    for (int i = 0; i <= steps; ++i) {
        const int x = steps == 0 ? a.x : a.x + (b.x - a.x) * i / steps;
        const int y = steps == 0 ? a.y : a.y + (b.y - a.y) * i / steps;
        if (x >= 0 && x < width && y >= 0 && y < height) {
            pixels[static_cast<size_t>(y) * stride + x] = pixel;
        }
    }
}

}  // namespace

BMOverviewPicture::BMOverviewPicture() : m_font(kFontName, HFont::STYLE_PLAIN, 9) {}

BMOverviewPicture::~BMOverviewPicture() = default;

void BMOverviewPicture::reset()
{
    m_thumbnails.clear();
    m_drawer.forgetColours();
    m_drawn = 0;
}

HMemoryImage* BMOverviewPicture::thumbnail(const BMData& data, uint32_t number)
{
    const ZDBMap* map = data.getBMap(number - 1);
    if (map == nullptr) {
        return nullptr;
    }
    if (m_thumbnails.size() < data.getAreaCount()) {
        m_thumbnails.resize(data.getAreaCount());
    }
    Thumbnail& entry = m_thumbnails[number - 1];
    const uint64_t stamp = stampOf(*map);
    if (entry.image == nullptr) {
        entry.image.reset(new HMemoryImage(BMOverviewLayout::THUMB_WIDTH, BMOverviewLayout::THUMB_HEIGHT));
        entry.stamp = 0;
    }
    if (entry.stamp != stamp) {
        m_drawer.drawMap(data, number, entry.image.get(), 0, 0);
        entry.stamp = stamp;
        ++m_drawn;
    }
    return entry.image.get();
}

void BMOverviewPicture::drawTile(const BMData& data, uint32_t number, HMemoryImage* image, BMPoint origin)
{
    const BMRect thumb = m_layout.thumbnailOf(number);
    HMemoryImage* picture = thumbnail(data, number);
    if (picture != nullptr) {
        picture->draw(image, thumb.left - origin.x, thumb.top - origin.y, thumb.width(), thumb.height(), 0, 0);
    }
}

// Over the lines, so that a link passing by never hides a number or name.
void BMOverviewPicture::drawLabel(const BMData& data, uint32_t number, HMemoryImage* image, BMPoint origin)
{
    const BMRect tile = m_layout.tileOf(number);
    const ZDEditArea* area = data.getArea(number - 1);
    const std::string label = HText::format("%u %s", number, area != nullptr ? area->getName().c_str() : "");
    HImageLoader::fillRect(image, tile.left - origin.x, tile.top - origin.y, tile.width(),
                           BMOverviewLayout::LABEL_HEIGHT, kBackground);
    HImageLoader::drawString(image, tile.left - origin.x, tile.top - origin.y + 1, &m_font, label, kLabel);
    if (number == data.getCurrent()) {
        for (int inset = 1; inset <= 3; ++inset) {
            HImageLoader::drawFrame(image, tile.left - origin.x - inset, tile.top - origin.y - inset,
                                    tile.width() + 2 * inset, tile.height() + 2 * inset,
                                    BMColors::CURSOR_YELLOW);
        }
    }
}

// Every link is drawn, whatever part shows: a line between two tiles out of sight may cross
// the part drawn. A link to an area that is not there, or to its own, has no line.
void BMOverviewPicture::drawLinks(const BMData& data, HMemoryImage* image, BMPoint origin)
{
    for (uint32_t from = 1; from <= data.getAreaCount(); ++from) {
        const ZDEditArea* area = data.getArea(from - 1);
        for (int group = 0; group < 8 && area != nullptr; ++group) {
            const int32_t to = area->getLink(group);
            BMPoint start{};
            BMPoint end{};
            if (to <= 0 || !m_layout.linkLine(from, static_cast<uint32_t>(to), &start, &end)) {
                continue;
            }
            // Each group's line a few pixels aside, so that the links between two areas (both
            // ways, several groups) lie side by side instead of on one another.
            const int shift = (group - 4) * 4 + 2;
            const bool across = std::abs(end.x - start.x) >= std::abs(end.y - start.y);
            const BMPoint a{start.x - origin.x + (across ? 0 : shift), start.y - origin.y + (across ? shift : 0)};
            const BMPoint b{end.x - origin.x + (across ? 0 : shift), end.y - origin.y + (across ? shift : 0)};
            const uint32_t pixel = pixelOf(kGroupColours[group]);
            drawLine(image, a, b, pixel);
            HImageLoader::fillRect(image, b.x - kEndMark / 2, b.y - kEndMark / 2, kEndMark, kEndMark,
                                   kGroupColours[group]);
            // The number a few pixels along the line from its start, off the thumbnail's edge.
            const int length = std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
            const int along = std::min(length / 2, 10 + 9 * (group % 4));
            const int x = length > 0 ? a.x + (b.x - a.x) * along / length : a.x;
            const int y = length > 0 ? a.y + (b.y - a.y) * along / length : a.y;
            // Text costs a device context a string: only where it shows.
            if (length > 0 && x > -8 && y > -8 && x < image->getWidth() + 8 && y < image->getHeight() + 8) {
                HImageLoader::fillRect(image, x - 5, y - 7, 11, 13, kBackground);
                HImageLoader::drawString(image, x - 3, y - 6, &m_font, std::to_string(group + 1),
                                         kGroupColours[group]);
            }
        }
    }
}

void BMOverviewPicture::draw(const BMData& data, HMemoryImage* image, BMPoint origin)
{
    if (image == nullptr || image->getPixels() == nullptr) {
        return;
    }
    image->fill(kBackground);
    uint32_t first = 0;
    uint32_t last = 0;
    m_layout.visible(origin.y, image->getHeight(), &first, &last);
    last = std::min(last, data.getAreaCount());
    for (uint32_t number = first; number <= last; ++number) {
        drawTile(data, number, image, origin);
    }
    drawLinks(data, image, origin);
    for (uint32_t number = first; number <= last; ++number) {
        drawLabel(data, number, image, origin);
    }
}

bool BMOverviewPicture::drawWhole(const BMData& data, std::vector<uint32_t>* pixels, BMPoint* size)
{
    *size = m_layout.getSize();
    HMemoryImage image(size->x, size->y);
    if (image.getPixels() == nullptr) {
        return false;
    }
    draw(data, &image, {0, 0});
    const uint32_t* argb = image.getPixels();
    const int stride = image.getStride() / 4;
    pixels->resize(static_cast<size_t>(size->x) * size->y);
    for (int y = 0; y < size->y; ++y) {
        for (int x = 0; x < size->x; ++x) {
            (*pixels)[static_cast<size_t>(y) * size->x + x] = argb[static_cast<size_t>(y) * stride + x] & 0xFFFFFF;
        }
    }
    return true;
}
