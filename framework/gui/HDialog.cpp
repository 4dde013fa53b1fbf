#include "framework/gui/HDialog.h"

#include <algorithm>

namespace {

// The predefined control classes of a dialog template.
const uint16_t kButton = 0x0080;
const uint16_t kEdit = 0x0081;
const uint16_t kStatic = 0x0082;
const uint16_t kComboBox = 0x0085;

const uint16_t kFontPoints = 9;
const char kFontName[] = "MS UI Gothic";

// Appends the little-endian bytes of value.
template <class Value>
void put(std::vector<uint8_t>* bytes, Value value)
{
    const uint8_t* first = reinterpret_cast<const uint8_t*>(&value);
    bytes->insert(bytes->end(), first, first + sizeof(value));
}

// Shift-JIS text as the template's zero-terminated UTF-16.
void putText(std::vector<uint8_t>* bytes, const std::string& text)
{
    int length = text.empty() ? 0
                              : MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                    nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    }
    for (wchar_t c : wide) {
        put<uint16_t>(bytes, static_cast<uint16_t>(c));
    }
    put<uint16_t>(bytes, 0);
}

void alignToDword(std::vector<uint8_t>* bytes)
{
    while (bytes->size() % 4 != 0) {
        bytes->push_back(0);
    }
}

std::string windowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], length + 1)));
    return text;
}

}  // namespace

HDialog::HDialog(const std::string& caption, int width, int height)
    : m_caption(caption), m_width(static_cast<short>(width)), m_height(static_cast<short>(height))
{
    setClassName("HDialog");
}

HDialog::~HDialog() = default;

void HDialog::add(const Control& control)
{
    m_controls.push_back(control);
}

void HDialog::addLabel(const std::string& text, int x, int y, int width, int height)
{
    add({-1, kStatic, SS_LEFT | SS_NOPREFIX, text, {}, -1, static_cast<short>(x),
         static_cast<short>(y), static_cast<short>(width), static_cast<short>(height)});
}

void HDialog::addEdit(int id, const std::string& text, int x, int y, int width, int height,
                      uint32_t style)
{
    add({id, kEdit, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | style, text, {}, -1,
         static_cast<short>(x), static_cast<short>(y), static_cast<short>(width),
         static_cast<short>(height)});
}

void HDialog::addComboList(int id, const std::vector<std::string>& items, int selected, int x,
                           int y, int width, int height)
{
    add({id, kComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, std::string(), items,
         selected, static_cast<short>(x), static_cast<short>(y), static_cast<short>(width),
         static_cast<short>(height)});
}

void HDialog::addButton(int id, const std::string& text, int x, int y, int width, int height,
                        bool isDefault)
{
    add({id, kButton, static_cast<uint32_t>((isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP),
         text, {}, -1, static_cast<short>(x), static_cast<short>(y), static_cast<short>(width),
         static_cast<short>(height)});
}

HDialog::Control* HDialog::find(int id)
{
    auto found = std::find_if(m_controls.begin(), m_controls.end(),
                              [id](const Control& control) { return control.id == id; });
    return found == m_controls.end() ? nullptr : &*found;
}

const HDialog::Control* HDialog::find(int id) const
{
    return const_cast<HDialog*>(this)->find(id);
}

std::vector<uint8_t> HDialog::makeTemplate() const
{
    std::vector<uint8_t> bytes;
    put<uint32_t>(&bytes, DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    put<uint32_t>(&bytes, 0);
    put<uint16_t>(&bytes, static_cast<uint16_t>(m_controls.size()));
    put<int16_t>(&bytes, 0);
    put<int16_t>(&bytes, 0);
    put<int16_t>(&bytes, m_width);
    put<int16_t>(&bytes, m_height);
    put<uint16_t>(&bytes, 0);  // no menu
    put<uint16_t>(&bytes, 0);  // the dialog class
    putText(&bytes, m_caption);
    put<uint16_t>(&bytes, kFontPoints);
    putText(&bytes, kFontName);
    for (const Control& control : m_controls) {
        alignToDword(&bytes);
        put<uint32_t>(&bytes, WS_CHILD | WS_VISIBLE | control.style);
        put<uint32_t>(&bytes, 0);
        put<int16_t>(&bytes, control.x);
        put<int16_t>(&bytes, control.y);
        put<int16_t>(&bytes, control.width);
        put<int16_t>(&bytes, control.height);
        put<uint16_t>(&bytes, static_cast<uint16_t>(control.id));
        put<uint16_t>(&bytes, 0xFFFF);
        put<uint16_t>(&bytes, control.kind);
        putText(&bytes, control.text);
        put<uint16_t>(&bytes, 0);  // no creation data
    }
    return bytes;
}

int HDialog::showModal(HWND owner)
{
    std::vector<uint8_t> bytes = makeTemplate();
    INT_PTR result = DialogBoxIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(bytes.data()), owner,
                                             procedure, reinterpret_cast<LPARAM>(this));
    m_handle = nullptr;
    if (result == -1 || result == 0) {
        HLOG_INFO("showModal:error to make the dialog");
        debug("showModal:caption=%s error=%lu", m_caption.c_str(), GetLastError());
        return IDCANCEL;
    }
    return static_cast<int>(result);
}

void HDialog::fillLists()
{
    for (const Control& control : m_controls) {
        if (control.kind != kComboBox) {
            continue;
        }
        HWND list = GetDlgItem(m_handle, control.id);
        for (const std::string& item : control.items) {
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(control.selected), 0);
    }
}

void HDialog::keepValues()
{
    for (Control& control : m_controls) {
        if (control.kind == kEdit) {
            control.text = windowText(GetDlgItem(m_handle, control.id));
        } else if (control.kind == kComboBox) {
            control.selected = getSelection(control.id);
        }
    }
}

std::string HDialog::getText(int id) const
{
    if (m_handle != nullptr) {
        return windowText(GetDlgItem(m_handle, id));
    }
    const Control* control = find(id);
    return control != nullptr ? control->text : std::string();
}

int HDialog::getSelection(int id) const
{
    if (m_handle != nullptr) {
        LRESULT selected = SendDlgItemMessageA(m_handle, id, CB_GETCURSEL, 0, 0);
        return selected == CB_ERR ? -1 : static_cast<int>(selected);
    }
    const Control* control = find(id);
    return control != nullptr ? control->selected : -1;
}

void HDialog::setText(int id, const std::string& text)
{
    if (m_handle != nullptr) {
        SetDlgItemTextA(m_handle, id, text.c_str());
    } else if (Control* control = find(id)) {
        control->text = text;
    }
}

void HDialog::setSelection(int id, int index)
{
    if (m_handle != nullptr) {
        SendDlgItemMessageA(m_handle, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    } else if (Control* control = find(id)) {
        control->selected = index;
    }
}

void HDialog::focus(int id)
{
    HWND control = GetDlgItem(m_handle, id);
    if (control != nullptr) {
        // Through the dialog, so that the default button and an edit's selection follow.
        SendMessageA(m_handle, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    }
}

INT_PTR CALLBACK HDialog::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        HDialog* dialog = reinterpret_cast<HDialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        dialog->m_handle = window;
        dialog->fillLists();
        dialog->onInit();
        return TRUE;
    }
    HDialog* dialog = reinterpret_cast<HDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    if (dialog == nullptr || message != WM_COMMAND) {
        return FALSE;
    }
    int id = LOWORD(wParam);
    if (id == IDOK) {
        if (dialog->onOK()) {
            dialog->keepValues();
            EndDialog(window, IDOK);
        }
    } else if (id == IDCANCEL) {
        EndDialog(window, IDCANCEL);
    } else {
        dialog->onCommand(id, HIWORD(wParam));
    }
    return TRUE;
}
