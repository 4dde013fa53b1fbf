#pragma once

#include <memory>

#include "framework/gui/HComponent.h"

class HEventDisable;
class HImage;
class HImageViewTimerListener;

// A static child window that shows an image buffer (the content image) from a source
// offset, or one frame of it at a time as a timed animation. It paints through a back
// buffer of its client size and never lets the platform erase its background.
class HImageView : public HComponent {
public:
    // Adds itself to the parent.
    HImageView(HContainer* parent, uint32_t id, const std::string& text);
    ~HImageView() override;

    void create() override;
    void dispose() override;
    // Fits the back buffer to the client size.
    void layout() override;
    // Draws the content image (or the current frame); nothing without one.
    void paint() override;

    // A new content image of the size, cleared to the background colour.
    void setImageSize(int width, int height);
    // Frames of frameWidth x frameHeight side by side (or stacked), one per period.
    void startAnimation(int frameWidth, int frameHeight, int frameCount, bool stacked,
                        unsigned period);
    void resumeAnimation();
    void nextFrame();
    void stopAnimation();
    bool isAnimating() const { return m_frame >= 0; }
    int getFrame() const { return m_frame; }

    HImage* getImage() const { return m_image.get(); }
    int getImageWidth() const;
    int getImageHeight() const;
    POINT getOffset() const { return m_offset; }
    void setOffset(int x, int y) { m_offset = {x, y}; }

private:
    void startTimer();

    std::unique_ptr<HImage> m_image;
    std::unique_ptr<HImage> m_backBuffer;
    POINT m_offset = {0, 0};
    int m_frameWidth = 0;
    int m_frameHeight = 0;
    int m_frameCount = 0;
    bool m_stacked = false;
    unsigned m_period = 0;
    int m_frame = -1;  // -1: no animation
    std::unique_ptr<HImageViewTimerListener> m_timerListener;
    std::unique_ptr<HEventDisable> m_eraseListener;
};
