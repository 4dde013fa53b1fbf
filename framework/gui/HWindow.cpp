#include "framework/gui/HWindow.h"

#include "framework/base/HText.h"
#include "framework/graphics/HGraphics.h"
#include "framework/graphics/HGraphicsFactory.h"
#include "framework/gui/HApplication.h"
#include "framework/gui/HDefaultCtlColorEListener.h"
#include "framework/gui/HDefaultCtlColorSListener.h"
#include "framework/gui/HDefaultDestroyListener.h"
#include "framework/gui/HDefaultNotifyListener.h"
#include "framework/gui/HDropTarget.h"
#include "framework/gui/HMenuBar.h"

namespace {

const UINT kClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
const uint32_t kResizableStyle = WS_THICKFRAME | WS_MAXIMIZEBOX;
const uint32_t kFlagDirect3D = 0x200;
const uint32_t kFlagIdleDrawing = 0x400;
const int kDeviceDirect3D = 2;

HINSTANCE instanceHandle()
{
    HINSTANCE instance = HApplication::getInstanceHandle();
    return instance != nullptr ? instance : GetModuleHandleA(nullptr);
}

}  // namespace

HWindow::HWindow(uint32_t id)
    : HContainer("Data:Default(HWindow)", id),
      m_destroyListener(new HDefaultDestroyListener()),
      m_editColorListener(new HDefaultCtlColorEListener()),
      m_staticColorListener(new HDefaultCtlColorSListener()),
      m_notifyListener(new HDefaultNotifyListener())
{
    HObject::setClassName("HWindow");
    setComponentType("Window");
    setBackground(HColor::FACE_GRAY);
    ZeroMemory(&m_classRecord, sizeof(m_classRecord));
    ZeroMemory(&m_message, sizeof(m_message));
    ZeroMemory(m_entries, sizeof(m_entries));
    addEventListener(m_destroyListener.get());
    addEventListener(m_editColorListener.get());
    addEventListener(m_staticColorListener.get());
    addEventListener(m_notifyListener.get());
}

HWindow::~HWindow()
{
    releaseLoopGraphics();
    destroyAccelerators();
    if (m_menuBar != nullptr) {
        m_menuBar->dispose();
        m_menuBar->setParent(nullptr);
    }
    // Destroyed without its listeners: they may already be gone with a derived class.
    destroyWindowQuietly();
    unregisterClass();
    if (m_classBrush != nullptr) {
        DeleteObject(m_classBrush);
    }
}

bool HWindow::show(bool visible)
{
    if (!visible) {
        if (getHandle() != nullptr) {
            ShowWindow(getHandle(), SW_HIDE);
        }
        return false;
    }
    create();
    if (getHandle() == nullptr) {
        HLOG_INFO("ウィンドウの表示に失敗");
        return false;
    }
    ShowWindow(getHandle(), SW_SHOWNORMAL);
    UpdateWindow(getHandle());
    bool idleDrawing = false;
    if (HApplication::isFlagSet(kFlagDirect3D)) {
        m_loopGraphics = HGraphicsFactory::getInstance(this, kDeviceDirect3D);
        if (m_loopGraphics != nullptr) {
            m_loopGraphics->initialize();
            idleDrawing = HApplication::isFlagSet(kFlagIdleDrawing);
        }
    }
    runLoop(idleDrawing);
    return true;
}

void HWindow::create()
{
    HLOG_START("HWindow.create");
    if (getHandle() != nullptr) {
        HLOG_END("HWindow.create");
        return;
    }
    if (m_classBrush == nullptr) {
        m_classBrush = CreateSolidBrush(getBackground().getColorRef());
    }
    HINSTANCE instance = instanceHandle();
    WNDCLASSEXA existing;
    ZeroMemory(&existing, sizeof(existing));
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, m_windowClassName.c_str(), &existing)) {
        HLOG_INFO("GetClassInfoEx:true");
    } else {
        registerClass();
    }
    if (m_atom != 0) {
        const RECT& bounds = getStoredBounds();
        HWND window = CreateWindowExA(m_extendedStyle, m_windowClassName.c_str(),
                                      getText().c_str(), m_style, bounds.left, bounds.top,
                                      bounds.right - bounds.left, bounds.bottom - bounds.top,
                                      m_owner, nullptr, instance, nullptr);
        if (window != nullptr) {
            setHandle(window);
        } else {
            HLOG_INFO("HWindow:create error");
        }
    }
    if (getDropTarget() != nullptr) {
        getDropTarget()->attach(this);
    }
    HContainer::create();
    if (m_menuBar != nullptr) {
        m_menuBar->create();
    }
    if (m_acceleratorCount > 0 && buildAccelerators()) {
        debug("accelerator:%s", HText::address(m_accelerators).c_str());
    }
    layout();
    HLOG_END("HWindow.create");
}

void HWindow::dispose()
{
    if (getHandle() == nullptr) {
        return;
    }
    HLOG_START("HWindow.dispose");
    destroyAccelerators();
    // The menu goes before the window that shows it, so that its handles are forgotten.
    if (m_menuBar != nullptr) {
        m_menuBar->dispose();
    }
    HContainer::dispose();
    unregisterClass();
    HLOG_END("HWindow.dispose");
}

void HWindow::paint()
{
    if (m_loopGraphics != nullptr) {
        draw(m_loopGraphics);
    }
}

void HWindow::layout()
{
    if (m_loopGraphics != nullptr) {
        m_loopGraphics->reset();
    }
    HContainer::layout();
}

HComponent* HWindow::findById(uint32_t id)
{
    if (getId() == id) {
        return this;
    }
    if (m_menuBar != nullptr) {
        HComponent* item = m_menuBar->findById(id);
        if (item != nullptr) {
            return item;
        }
    }
    return HContainer::findById(id);
}

void HWindow::setResizable(bool resizable)
{
    HContainer::setResizable(resizable);
    if (resizable) {
        m_style |= kResizableStyle;
    } else {
        m_style &= ~kResizableStyle;
    }
}

bool HWindow::isShown() const
{
    return getHandle() != nullptr && IsWindowVisible(getHandle()) != FALSE;
}

int HWindow::addAccelerator(uint8_t flags, uint16_t key, uint16_t command)
{
    if (m_acceleratorCount >= ACCELERATOR_LIMIT) {
        return -1;
    }
    ACCEL& entry = m_entries[m_acceleratorCount];
    entry.fVirt = flags;
    entry.key = key;
    entry.cmd = command;
    ++m_acceleratorCount;
    // A window that already runs gets the new entry at once, table or not.
    if (getHandle() != nullptr) {
        destroyAccelerators();
        if (!buildAccelerators()) {
            return -1;
        }
    }
    return m_acceleratorCount;
}

void HWindow::setMenuBar(HMenuBar* bar)
{
    if (m_menuBar != nullptr && m_menuBar != bar) {
        m_menuBar->setParent(nullptr);
    }
    m_menuBar = bar;
    if (bar != nullptr) {
        bar->setParent(this);
    }
}

bool HWindow::registerClass()
{
    ZeroMemory(&m_classRecord, sizeof(m_classRecord));
    m_classRecord.cbSize = sizeof(m_classRecord);
    m_classRecord.style = kClassStyle;
    m_classRecord.lpfnWndProc = windowProcedure;
    m_classRecord.hInstance = instanceHandle();
    m_classRecord.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    m_classRecord.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    m_classRecord.hbrBackground = m_classBrush;
    m_classRecord.lpszClassName = m_windowClassName.c_str();
    m_atom = RegisterClassExA(&m_classRecord);
    return m_atom != 0;
}

bool HWindow::buildAccelerators()
{
    m_accelerators = CreateAcceleratorTableA(m_entries, m_acceleratorCount);
    return m_accelerators != nullptr;
}

void HWindow::destroyAccelerators()
{
    if (m_accelerators != nullptr) {
        DestroyAcceleratorTable(m_accelerators);
        m_accelerators = nullptr;
    }
}

void HWindow::runLoop(bool idleDrawing)
{
    // A quit message left from an earlier loop must not end this one.
    ZeroMemory(&m_message, sizeof(m_message));
    while (takeMessage(idleDrawing)) {
        if (m_accelerators != nullptr && getHandle() != nullptr && !isOtherWindowsKey(m_message) &&
            TranslateAcceleratorA(getHandle(), m_accelerators, &m_message)) {
            noteAltShortcut(m_message);
            continue;
        }
        TranslateMessage(&m_message);
        DispatchMessageA(&m_message);
    }
    releaseLoopGraphics();
}

// The thread sleeps until a message, a timer or input comes: an editor left open costs no
// processor time. Nothing of the program needs the thread between messages: the music has
// the timer's own thread, and every timer of a window is a message. With idle drawing, a
// frame shows what the messages taken so far did, once none waits, before the loop sleeps.
bool HWindow::takeMessage(bool idleDrawing)
{
    if (idleDrawing && m_loopGraphics != nullptr) {
        if (PeekMessageA(&m_message, nullptr, 0, 0, PM_REMOVE)) {
            return m_message.message != WM_QUIT;
        }
        draw(m_loopGraphics);
    }
    BOOL taken = GetMessageA(&m_message, nullptr, 0, 0);
    if (taken == -1) {
        HLOG_INFO("GetMessage:error");
    }
    return taken > 0;
}

// Under Wine the default window procedure opens the menu bar when Alt is let go, unless it saw
// another key go down while Alt was held (Windows notes that in the input queue, whoever takes
// the key). The accelerator took the key away from it, so Alt let go before the key would
// open the menus, and the next letters would run menu items. The procedure gets the key-down
// now, after the command, and drops its note; no character is made, so no mnemonic is looked
// for. Alt+F4 stays away from it: the procedure would close the window besides the command.
void HWindow::noteAltShortcut(const MSG& message)
{
    if (message.message == WM_SYSKEYDOWN && (HIWORD(message.lParam) & KF_ALTDOWN) != 0 &&
        message.wParam != VK_F4) {
        DefWindowProcA(message.hwnd, message.message, message.wParam, message.lParam);
    }
}

bool HWindow::isOtherWindowsKey(const MSG& message) const
{
    if (message.message != WM_KEYDOWN || message.hwnd == nullptr
        || GetAncestor(message.hwnd, GA_ROOT) == getHandle()) {
        return false;
    }
    switch (message.wParam) {
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
    case VK_PRIOR: case VK_NEXT: case VK_HOME: case VK_END:
        break;
    default:
        return false;
    }
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
        return false;
    }
    MSG copy = message;
    const LRESULT code = SendMessageA(message.hwnd, WM_GETDLGCODE, message.wParam,
                                      reinterpret_cast<LPARAM>(&copy));
    return (code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS)) != 0;
}

void HWindow::releaseLoopGraphics()
{
    if (m_loopGraphics != nullptr) {
        HGraphicsFactory::deleteInstance(this, kDeviceDirect3D);
        m_loopGraphics = nullptr;
    }
}

void HWindow::unregisterClass()
{
    if (m_atom == 0) {
        return;
    }
    if (!UnregisterClassA(m_windowClassName.c_str(), instanceHandle())) {
        HLOG_INFO("UnregisterClass:error");
        return;
    }
    m_atom = 0;
    // The system deletes a class's background brush with the class.
    m_classBrush = nullptr;
}
