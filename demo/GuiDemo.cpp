// The GUI framework on its own: a resizable window with a menu bar and accelerators, a map of
// terrain chips drawn here in an image view with two scroll bars, and a status bar that
// follows the pointer. Run it under Wine to look at it; nothing here is needed by the editor.

#include <memory>
#include <vector>

#include "framework/base/HText.h"
#include "framework/graphics/HFont.h"
#include "framework/graphics/HImage.h"
#include "framework/gui/HApplication.h"
#include "framework/gui/HCommandListener.h"
#include "framework/gui/HFolderChooser.h"
#include "framework/gui/HImageView.h"
#include "framework/gui/HMenuBar.h"
#include "framework/gui/HMenuItem.h"
#include "framework/gui/HMouseListener.h"
#include "framework/gui/HScrollBar.h"
#include "framework/gui/HScrollBarListener.h"
#include "framework/gui/HStatusBar.h"
#include "framework/gui/HWindow.h"

namespace {

const uint32_t kMenuBar = 2000, kView = 2001, kVertical = 2002, kHorizontal = 2003,
               kStatus = 2004;
const uint16_t kFileMenu = 2100, kOpen = 2101, kSeparator = 2105, kExit = 2106;
const uint16_t kViewMenu = 2200, kGrid = 2201, kLarge = 2202;
const int kChip = 32;
const int kColumns = 40;  // cells of the map
const int kRows = 30;
const int kScrollBar = 16;
const int kStatusHeight = 20;

struct MenuRow {
    uint16_t parent;
    uint16_t id;
    const char* label;
    bool enabled;
    bool checked;
};

const MenuRow kMenu[] = {
    {0, kFileMenu, "ﾌｧｲﾙ(&F)", true, false},
    {kFileMenu, kOpen, "フォルダを開く(&O)\tCtrl+O", true, false},
    {kFileMenu, kSeparator, "-", true, false},
    {kFileMenu, kExit, "終了(&X)\tCtrl+Q", true, false},
    {0, kViewMenu, "表示(&V)", true, false},
    {kViewMenu, kGrid, "グリッド(&G)\tG", true, true},
    {kViewMenu, kLarge, "拡大表示(&Z)", false, false},
};

void fill(HDC dc, int left, int top, int right, int bottom, COLORREF color)
{
    RECT area = {left, top, right, bottom};
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void shape(HDC dc, COLORREF color, bool ellipse, int left, int top, int right, int bottom)
{
    HBRUSH brush = CreateSolidBrush(color);
    HPEN pen = CreatePen(PS_SOLID, 1, color);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    if (ellipse) {
        Ellipse(dc, left, top, right, bottom);
    } else {
        Rectangle(dc, left, top, right, bottom);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void triangle(HDC dc, COLORREF color, int x, int y, int size)
{
    POINT points[] = {{x + size / 2, y}, {x + size, y + size}, {x, y + size}};
    HBRUSH brush = CreateSolidBrush(color);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(60, 60, 60));
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, points, 3);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

// One terrain chip of 32 x 32 pixels at (x, y): 0 grass, 1 forest, 2 water, 3 mountain,
// 4 road, 5 town.
void drawChip(HDC dc, int kind, int x, int y)
{
    const COLORREF grass = RGB(104, 168, 72);
    switch (kind) {
    case 1:
        fill(dc, x, y, x + kChip, y + kChip, grass);
        for (int i = 0; i < 3; ++i) {
            int cx = x + 4 + i * 9;
            int cy = y + (i % 2 == 0 ? 6 : 12);
            fill(dc, cx + 5, cy + 10, cx + 8, cy + 16, RGB(110, 70, 30));
            shape(dc, RGB(34, 100, 40), true, cx, cy, cx + 13, cy + 13);
        }
        break;
    case 2:
        fill(dc, x, y, x + kChip, y + kChip, RGB(52, 104, 200));
        for (int row = 6; row < kChip; row += 9) {
            fill(dc, x + 4, y + row, x + 14, y + row + 2, RGB(150, 190, 250));
            fill(dc, x + 18, y + row + 4, x + 28, y + row + 6, RGB(150, 190, 250));
        }
        break;
    case 3:
        fill(dc, x, y, x + kChip, y + kChip, RGB(190, 170, 120));
        triangle(dc, RGB(130, 120, 110), x + 2, y + 6, 26);
        triangle(dc, RGB(240, 240, 245), x + 10, y + 6, 10);
        break;
    case 4:
        fill(dc, x, y, x + kChip, y + kChip, grass);
        fill(dc, x, y + 12, x + kChip, y + 20, RGB(176, 140, 90));
        break;
    case 5:
        fill(dc, x, y, x + kChip, y + kChip, RGB(200, 190, 170));
        shape(dc, RGB(190, 50, 40), false, x + 3, y + 4, x + 14, y + 14);
        shape(dc, RGB(190, 50, 40), false, x + 17, y + 8, x + 29, y + 18);
        shape(dc, RGB(150, 40, 30), false, x + 8, y + 18, x + 22, y + 29);
        break;
    default:
        fill(dc, x, y, x + kChip, y + kChip, grass);
        fill(dc, x + 7, y + 9, x + 9, y + 11, RGB(70, 130, 50));
        fill(dc, x + 21, y + 20, x + 23, y + 22, RGB(70, 130, 50));
        break;
    }
}

// A map of chips in offset rows, like the editor's battle maps: water along the west,
// mountains to the north, a road with towns across, forest patches elsewhere.
void drawMap(HImage* image, bool grid)
{
    HDC dc = image->getDC();
    fill(dc, 0, 0, image->getWidth(), image->getHeight(), RGB(255, 255, 255));
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            int kind = 0;
            if (column < 4 + (row * 7 % 3)) {
                kind = 2;
            } else if (row < 5 && (column * 5 + row) % 4 != 0) {
                kind = 3;
            } else if (row == 15) {
                kind = column % 9 == 4 ? 5 : 4;
            } else if ((column * 13 + row * 7) % 11 < 3) {
                kind = 1;
            }
            int x = column * kChip + (row % 2 == 1 ? kChip / 2 : 0);
            drawChip(dc, kind, x, row * kChip);
            if (grid) {
                HPEN pen = CreatePen(PS_SOLID, 1, RGB(60, 60, 60));
                HGDIOBJ old = SelectObject(dc, pen);
                HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
                Rectangle(dc, x, row * kChip, x + kChip + 1, row * kChip + kChip + 1);
                SelectObject(dc, oldBrush);
                SelectObject(dc, old);
                DeleteObject(pen);
            }
        }
    }
}

class DemoWindow;

class DemoCommands : public HCommandListener {
public:
    explicit DemoCommands(DemoWindow* window) : m_window(window) {}
    bool onCommand(HWND window, uint32_t id, HComponent* component) override;

private:
    DemoWindow* m_window;  // not owned
};

class DemoScroll : public HScrollBarListener {
public:
    DemoScroll(int orientation, HImageView* view) : HScrollBarListener(orientation), m_view(view) {}
    bool onScroll(HScrollBar* bar, int position) override
    {
        bar->setPosition(position);
        return onTrack(bar, position);
    }
    bool onTrack(HScrollBar* bar, int position) override
    {
        POINT offset = m_view->getOffset();
        if (bar->getOrientation() == HScrollBar::HORIZONTAL) {
            offset.x = position;
        } else {
            offset.y = position;
        }
        m_view->setOffset(offset.x, offset.y);
        m_view->repaint();
        return true;
    }

private:
    HImageView* m_view;  // not owned
};

// Names the cell under the pointer in the status bar.
class DemoMouse : public HMouseListener {
public:
    DemoMouse(HWindow* window, HImageView* view, HStatusBar* status)
        : HMouseListener(window), m_view(view), m_status(status)
    {
    }
    bool onMove() override
    {
        POINT offset = m_view->getOffset();
        int y = getY() - m_view->getY() + offset.y;
        int row = y / kChip;
        int x = getX() - m_view->getX() + offset.x - (row % 2 == 1 ? kChip / 2 : 0);
        int column = x >= 0 ? x / kChip : -1;
        if (row >= 0 && row < kRows && column >= 0 && column < kColumns) {
            m_status->setWindowText(HText::format("カーソル位置：(%2d,%2d)", column, row));
        }
        return true;
    }
    bool onClick() override
    {
        m_status->setWindowText(HText::format("クリック：(%d,%d) ボタン %u", getPressX(),
                                              getPressY(), getPressedButton()));
        return true;
    }

private:
    HImageView* m_view;    // not owned
    HStatusBar* m_status;  // not owned
};

class DemoWindow : public HWindow {
public:
    DemoWindow() : m_font("ＭＳ ゴシック", HFont::STYLE_PLAIN, 9)
    {
        HObject::setClassName("DemoWindow");
        setClassName("TesselGuiDemo");
        setText("Tessel フレームワーク デモ");
        setBounds(0, 0, 640, 480);
        setResizable(true);
        moveCenter();
        setFont(&m_font);
        m_view.setBackground(HColor::WHITE);
        // The orientation is fixed when the control is made, so it is set before that.
        m_vertical.setParameters(HScrollBar::VERTICAL, 0, 0, 1, kChip, 0);
        m_horizontal.setParameters(HScrollBar::HORIZONTAL, 0, 0, 1, kChip, 0);
        m_view.setImageSize(kColumns * kChip + kChip / 2, kRows * kChip);
        drawMap(m_view.getImage(), true);
        for (const MenuRow& row : kMenu) {
            HContainer* parent = &m_bar;
            if (row.parent != 0) {
                parent = static_cast<HContainer*>(m_bar.findById(row.parent));
            }
            m_items.emplace_back(new HMenuItem(parent, row.id, row.label, row.enabled,
                                               row.checked));
        }
        addAccelerator(FVIRTKEY | FCONTROL | FNOINVERT, 'O', kOpen);
        addAccelerator(FVIRTKEY | FCONTROL | FNOINVERT, 'Q', kExit);
        addAccelerator(FVIRTKEY | FNOINVERT, 'G', kGrid);
        addEventListener(&m_commands);
        addEventListener(&m_verticalScroll);
        addEventListener(&m_horizontalScroll);
    }

    void layout() override
    {
        HWindow::layout();
        if (getHandle() == nullptr) {
            return;
        }
        RECT client;
        GetClientRect(getHandle(), &client);
        int width = client.right - kScrollBar;
        int height = client.bottom - kScrollBar - kStatusHeight;
        m_view.setBounds(0, 0, width, height);
        m_view.layout();
        m_vertical.setBounds(width, 0, kScrollBar, height);
        m_horizontal.setBounds(0, height, width, kScrollBar);
        POINT offset = m_view.getOffset();
        m_vertical.setParameters(HScrollBar::VERTICAL, 0, m_view.getImageHeight() - 1, height,
                                 kChip, offset.y);
        m_horizontal.setParameters(HScrollBar::HORIZONTAL, 0, m_view.getImageWidth() - 1,
                                   width, kChip, offset.x);
        m_view.repaint();
    }

    void toggleGrid()
    {
        HMenuItem* grid = static_cast<HMenuItem*>(getMenuItem(kGrid));
        bool on = !grid->isChecked();
        grid->setChecked(on);
        drawMap(m_view.getImage(), on);
        m_view.repaint();
        m_status.setWindowText(on ? "グリッド表示：オン" : "グリッド表示：オフ");
    }

    void chooseFolder()
    {
        HFolderChooser chooser;
        if (chooser.show(getHandle(), "シナリオフォルダを選択してください", HFile("."))) {
            m_status.setWindowText(chooser.getFolder().getPath());
        }
    }

private:
    HFont m_font;
    HImageView m_view{this, kView, ""};
    HScrollBar m_vertical{this, kVertical, ""};
    HScrollBar m_horizontal{this, kHorizontal, ""};
    HStatusBar m_status{this, kStatus, "開始", false, true};
    HMenuBar m_bar{this, kMenuBar, ""};
    std::vector<std::unique_ptr<HMenuItem>> m_items;
    DemoCommands m_commands{this};
    DemoScroll m_verticalScroll{HScrollBar::VERTICAL, &m_view};
    DemoScroll m_horizontalScroll{HScrollBar::HORIZONTAL, &m_view};
    DemoMouse m_mouse{this, &m_view, &m_status};
};

bool DemoCommands::onCommand(HWND /*window*/, uint32_t id, HComponent* /*component*/)
{
    switch (id) {
    case kOpen:
        m_window->chooseFolder();
        return true;
    case kExit:
        m_window->dispose();
        return true;
    case kGrid:
        m_window->toggleGrid();
        return true;
    default:
        return false;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    HApplication::initializeApplication(instance, previous, commandLine != nullptr ? commandLine : "",
                                        show, HApplication::FLAG_COM);
    {
        DemoWindow window;
        window.show(true);
    }
    HApplication::uninitializeApplication();
    return 0;
}
