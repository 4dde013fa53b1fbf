// Shows the display's drawing of the sample game in a window of its own, to look at by eye:
//   render_preview [gdi] [page=area|char|obj|height|conn|none] [mode=1|2|4|8|16] [direct]
//                  [hover=N,N,...] [map=N] [width=W] [height=H] [flags=HEX] [seconds=S]
// It draws with the Direct3D device unless gdi is given, and quits after the seconds (10).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "editor/model/BMData.h"
#include "editor/model/BMEditor.h"
#include "editor/view/BMDisplay.h"
#include "editor/view/BMRenderer.h"
#include "framework/graphics/HDirectX.h"
#include "framework/graphics/HDirectXGraphics.h"
#include "framework/graphics/HWindowsGraphics.h"
#include "tests/support/DrawingWindow.h"
#include "tests/support/GameDirectory.h"

namespace {

uint32_t pageFlag(const std::string& name)
{
    if (name == "area") return VIEW_PAGE_AREA;
    if (name == "char") return VIEW_PAGE_CHAR;
    if (name == "obj") return VIEW_PAGE_OBJ;
    if (name == "height") return VIEW_PAGE_HEIGHT;
    if (name == "conn") return VIEW_PAGE_CONNECTION;
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    bool gdi = false;
    int width = 1040;
    int height = 1000;
    int seconds = 10;
    int map = 1;
    std::string page = "area";
    int mode = MODE_CHAR;
    bool direct = false;
    std::string hover;
    uint32_t flags = VIEW_INITIAL & ~VIEW_PAGES;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        std::string value = argument.substr(argument.find('=') + 1);
        if (argument == "gdi") gdi = true;
        else if (argument == "direct") direct = true;
        else if (argument.rfind("page=", 0) == 0) page = value;
        else if (argument.rfind("mode=", 0) == 0) mode = std::atoi(value.c_str());
        else if (argument.rfind("hover=", 0) == 0) hover = value;
        else if (argument.rfind("map=", 0) == 0) map = std::atoi(value.c_str());
        else if (argument.rfind("width=", 0) == 0) width = std::atoi(value.c_str());
        else if (argument.rfind("height=", 0) == 0) height = std::atoi(value.c_str());
        else if (argument.rfind("seconds=", 0) == 0) seconds = std::atoi(value.c_str());
        else if (argument.rfind("flags=", 0) == 0) flags = std::strtoul(value.c_str(), nullptr, 16);
    }
    DrawingWindow window(width, height, nullptr, DrawingWindow::TOP_LEVEL);
    SetWindowTextA(window.handle(), gdi ? "render preview GDI" : "render preview Direct3D");

    BMDisplay display;
    display.setData(true);
    BMData* data = display.getData();
    if (!data->load(HFile(GameDirectory::sampleGame() + "\\Default"), HFile())) {
        std::printf("cannot load the sample game\n");
    }
    data->setCurrent(static_cast<uint32_t>(map));
    display.resetState();
    display.getLayout().setViewFlag(0xFFFF, false);
    display.getLayout().setViewFlag(flags | pageFlag(page), true);
    display.setEditMode(mode);
    display.setupChooserPage();
    display.getEditor().setMouseMode(direct ? MOUSE_DIRECT : MOUSE_SELECT);
    display.setCursor(5, 3);
    display.getEditor().setCellMark(6, 4, CELL_SELECTED, true);
    display.getEditor().setCellMark(7, 4, CELL_SELECTED, true);
    display.getEditor().setCellMark(6, 5, CELL_PENDING, true);
    for (const char* at = hover.c_str(); *at != '\0';) {
        char* end = nullptr;
        display.getLayout().setHoverMark(static_cast<int>(std::strtol(at, &end, 10)), 1);
        at = *end == ',' ? end + 1 : end;
    }
    display.setViewSize(width, height);
    display.getRenderer().resetImageBuffer();

    HDirectXGraphics direct3D;
    HWindowsGraphics windows;
    HGraphics* graphics = &windows;
    if (!gdi && HDirectX::initialize()) {
        direct3D.setMainWindow(window.handle());
        if (direct3D.initialize()) {
            graphics = &direct3D;
        }
    }
    windows.setMainWindow(window.handle());
    std::printf("drawing with %s\n", graphics == &direct3D ? "Direct3D" : "GDI");
    for (int frame = 0; frame < seconds * 10; ++frame) {
        InvalidateRect(window.handle(), nullptr, FALSE);
        graphics->begin();
        display.getRenderer().drawDisplay(graphics);
        graphics->end();
        DrawingWindow::pump();
        Sleep(100);
    }
    BMData::deleteInstance();
    return 0;
}
