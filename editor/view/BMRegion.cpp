#include "editor/view/BMRegion.h"

#include <algorithm>

void BMRect::add(int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    if (isEmpty()) {
        *this = {x, y, x + width, y + height};
        return;
    }
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x + width);
    bottom = std::max(bottom, y + height);
}

void BMRegion::add(int x, int y, int width, int height)
{
    BMRect rect;
    rect.add(x, y, width, height);
    if (rect.isEmpty()) {
        return;
    }
    auto contains = [](const BMRect& outer, const BMRect& inner) {
        return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right
               && inner.bottom <= outer.bottom;
    };
    int kept = 0;
    for (int i = 0; i < m_count; ++i) {
        if (contains(m_rects[i], rect)) {
            return;
        }
        if (!contains(rect, m_rects[i])) {
            m_rects[kept++] = m_rects[i];
        }
    }
    m_count = kept;
    if (m_count < LIMIT) {
        m_rects[m_count++] = rect;
        return;
    }
    for (int i = 1; i < m_count; ++i) {
        m_rects[0].add(m_rects[i].left, m_rects[i].top, m_rects[i].width(), m_rects[i].height());
    }
    m_rects[0].add(x, y, width, height);
    m_count = 1;
}

BMRegion BMRegion::clippedTo(int width, int height) const
{
    BMRegion inside;
    for (int i = 0; i < m_count; ++i) {
        const BMRect& rect = m_rects[i];
        int left = std::max(rect.left, 0);
        int top = std::max(rect.top, 0);
        inside.add(left, top, std::min(rect.right, width) - left, std::min(rect.bottom, height) - top);
    }
    return inside;
}
