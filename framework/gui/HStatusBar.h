#pragma once

#include <memory>

#include "framework/gui/HComponent.h"

class HStatusBarResizeListener;

// A one-part common-controls status bar along the bottom (or top) edge of its parent, which
// it follows through a resize listener on the parent.
class HStatusBar : public HComponent {
public:
    // Adds itself to the parent. A bar at the top never has a size grip.
    HStatusBar(HContainer* parent, uint32_t id, const std::string& text, bool atTop,
               bool sizeGrip);
    ~HStatusBar() override;

    void create() override;
    void dispose() override;
    // Shows the text in the bar; false without a native window.
    bool setWindowText(const std::string& text) override;

private:
    bool m_atTop;
    bool m_sizeGrip;
    std::unique_ptr<HStatusBarResizeListener> m_resizeListener;
    HContainer* m_listenedParent = nullptr;  // not owned; holds the resize listener
};
