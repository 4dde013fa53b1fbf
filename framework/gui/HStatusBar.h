#pragma once

#include <memory>

#include "framework/gui/HComponent.h"

class HStatusBarResizeListener;

// A common-controls status bar along the bottom (or top) edge of its parent, which it follows
// through a resize listener on the parent. It shows one text across the bar, or, with a right
// part, that text in a first part and a short one of its own at the right end.
class HStatusBar : public HComponent {
public:
    // Adds itself to the parent. A bar at the top never has a size grip.
    HStatusBar(HContainer* parent, uint32_t id, const std::string& text, bool atTop,
               bool sizeGrip);
    ~HStatusBar() override;

    void create() override;
    void dispose() override;
    // Shows the text in the bar (the first part when there are two); false without a native
    // window.
    bool setWindowText(const std::string& text) override;
    // A part of width pixels at the bar's right end with its own text; width 0 takes it away.
    // Kept until changed, also when the bar is made again; false without a native window.
    bool setRightPart(int width, const std::string& text);
    // Lays the parts out for the bar's width (its resize listener calls this).
    void fitParts();

private:
    bool m_atTop;
    bool m_sizeGrip;
    std::string m_shownText;  // the first part's
    int m_rightWidth = 0;
    std::string m_rightText;
    std::unique_ptr<HStatusBarResizeListener> m_resizeListener;
    HContainer* m_listenedParent = nullptr;  // not owned; holds the resize listener
};
