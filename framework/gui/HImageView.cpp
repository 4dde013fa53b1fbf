#include "framework/gui/HImageView.h"

#include <algorithm>

#include "framework/graphics/HImage.h"
#include "framework/gui/HContainer.h"
#include "framework/gui/HEventDisable.h"
#include "framework/gui/HImageViewTimerListener.h"

HImageView::HImageView(HContainer* parent, uint32_t id, const std::string& text)
    : HComponent(text, id), m_eraseListener(new HEventDisable(HEventType::WM_ERASEBKGND_TYPE, 1))
{
    setClassName("HImageView");
    setComponentType("ImageView");
    addEventListener(m_eraseListener.get());
    setFocusable(false);
    if (parent != nullptr) {
        parent->add(this);
    }
}

HImageView::~HImageView() = default;

void HImageView::create()
{
    HLOG_START("create");
    if (createControl("STATIC", getStyle() | WS_VISIBLE | SS_LEFT)) {
        layout();
        if (m_frame >= 0) {
            startTimer();
        }
    }
    HLOG_END("create");
}

void HImageView::dispose()
{
    if (getHandle() != nullptr) {
        KillTimer(getHandle(), getId());
    }
    HComponent::dispose();
}

void HImageView::layout()
{
    if (getHandle() == nullptr) {
        return;
    }
    RECT client = {0, 0, 0, 0};
    GetClientRect(getHandle(), &client);
    // A bitmap needs at least one pixel; a view squeezed to nothing keeps a 1 x 1 buffer.
    int width = std::max(1, static_cast<int>(client.right));
    int height = std::max(1, static_cast<int>(client.bottom));
    if (m_backBuffer == nullptr) {
        m_backBuffer.reset(new HImage(width, height, getHandle()));
    } else if (m_backBuffer->getWidth() != width || m_backBuffer->getHeight() != height) {
        m_backBuffer->resize(width, height);
    }
}

void HImageView::paint()
{
    if (getHandle() == nullptr || m_image == nullptr) {
        return;
    }
    if (m_backBuffer == nullptr) {
        layout();
    }
    int width = m_backBuffer->getWidth();
    int height = m_backBuffer->getHeight();
    m_backBuffer->fill(getBackground());
    PAINTSTRUCT paintInfo;
    HDC dc = BeginPaint(getHandle(), &paintInfo);
    bool copied;
    if (m_frame < 0) {
        copied = m_image->draw(m_backBuffer.get(), 0, 0, width, height, m_offset.x, m_offset.y);
    } else {
        int sx = m_stacked ? 0 : m_frame * m_frameWidth;
        int sy = m_stacked ? m_frame * m_frameHeight : 0;
        copied = m_image->draw(m_backBuffer.get(), 0, 0, m_frameWidth, m_frameHeight, sx, sy);
    }
    if (!copied) {
        HLOG_INFO("イメージバッファの転送に失敗");
    }
    if (dc != nullptr) {
        m_backBuffer->drawToDC(dc, 0, 0, width, height, 0, 0);
    }
    EndPaint(getHandle(), &paintInfo);
}

void HImageView::setImageSize(int width, int height)
{
    stopAnimation();
    m_image.reset(new HImage(width, height, getHandle()));
    m_image->fill(getBackground());
}

void HImageView::startAnimation(int frameWidth, int frameHeight, int frameCount, bool stacked,
                                unsigned period)
{
    stopAnimation();
    m_frameWidth = frameWidth;
    m_frameHeight = frameHeight;
    m_frameCount = frameCount;
    m_stacked = stacked;
    m_period = period;
    resumeAnimation();
}

void HImageView::resumeAnimation()
{
    stopAnimation();
    m_frame = 0;
    if (m_timerListener == nullptr) {
        m_timerListener.reset(new HImageViewTimerListener(this));
        addEventListener(m_timerListener.get());
    }
    if (getHandle() != nullptr) {
        startTimer();
    }
}

void HImageView::nextFrame()
{
    if (m_frame < 0) {
        return;
    }
    ++m_frame;
    if (m_frame >= m_frameCount) {
        m_frame = 0;
    }
}

void HImageView::stopAnimation()
{
    HWND window = getHandle();
    if (window != nullptr) {
        KillTimer(window, getId());
        RECT client = {0, 0, 0, 0};
        GetClientRect(window, &client);
        HDC dc = GetDC(window);
        if (dc != nullptr) {
            COLORREF color = getBackground().getColorRef();
            HPEN pen = CreatePen(PS_SOLID, 1, color);
            HBRUSH brush = CreateSolidBrush(color);
            HGDIOBJ oldPen = SelectObject(dc, pen);
            HGDIOBJ oldBrush = SelectObject(dc, brush);
            Rectangle(dc, 0, 0, client.right, client.bottom);
            SelectObject(dc, oldBrush);
            SelectObject(dc, oldPen);
            DeleteObject(brush);
            DeleteObject(pen);
            ReleaseDC(window, dc);
        }
    }
    m_frame = -1;
}

int HImageView::getImageWidth() const
{
    return m_image != nullptr ? m_image->getWidth() : 0;
}

int HImageView::getImageHeight() const
{
    return m_image != nullptr ? m_image->getHeight() : 0;
}

void HImageView::startTimer()
{
    SetTimer(getHandle(), getId(), m_period, nullptr);
}
