#pragma once

// A rectangle of pixels that grows to cover every rectangle added to it; empty at first.
struct BMRect {
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0;

    bool isEmpty() const { return left >= right || top >= bottom; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    void add(int x, int y, int width, int height);
    void clear() { *this = BMRect(); }
};

// A few rectangles of pixels, such as the parts of a picture that changed. Rectangles may
// overlap; past a handful they become the one rectangle around them all.
class BMRegion {
public:
    void add(int x, int y, int width, int height);
    void clear() { m_count = 0; }
    bool isEmpty() const { return m_count == 0; }
    int size() const { return m_count; }
    const BMRect& operator[](int i) const { return m_rects[i]; }
    // The parts inside width x height pixels from (0, 0).
    BMRegion clippedTo(int width, int height) const;

private:
    static const int LIMIT = 8;
    BMRect m_rects[LIMIT];
    int m_count = 0;
};
