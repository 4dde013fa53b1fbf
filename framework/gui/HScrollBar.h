#pragma once

#include "framework/gui/HComponent.h"

// A native scroll-bar control. The range runs from the minimum to the maximum; the highest
// position a request can reach is maximum - page + 1.
class HScrollBar : public HComponent {
public:
    static constexpr int VERTICAL = 0;
    static constexpr int HORIZONTAL = 1;

    // Adds itself to the parent.
    HScrollBar(HContainer* parent, uint32_t id, const std::string& text);
    ~HScrollBar() override;

    void create() override;

    void setParameters(int orientation, int minimum, int maximum, int page, int line,
                       int position);
    void setPosition(int position);
    int getOrientation() const { return m_orientation; }
    int getMinimum() const { return m_info.nMin; }
    int getMaximum() const { return m_info.nMax; }
    int getPage() const { return static_cast<int>(m_info.nPage); }
    int getLine() const { return m_line; }
    // The control's position when it exists, else the stored one.
    int getPosition();

private:
    void apply();

    int m_orientation = VERTICAL;
    SCROLLINFO m_info;
    int m_line = 1;
};
