// Prints the keyboard reference of the user guide from the editor's own command table, so that
// the guide says what the keys do in the program as built: one Markdown table row per key, in
// menu order, "| menu | item | key |" (Shift-JIS, as the menus hold it). Keys of items that
// start disabled are left out: Windows sends no command for them.

#include <cstdio>
#include <string>
#include <vector>

#include "editor/shell/BMCommandTable.h"
#include "framework/base/HText.h"

namespace {

// "開く(&O)\tCtrl+O" -> "開く": the mnemonic and the shown key go; the key column says it.
std::string plainLabel(const std::string& text)
{
    std::string label = text.substr(0, text.find('\t'));
    size_t mnemonic = label.find("(&");
    if (mnemonic != std::string::npos && label.size() >= mnemonic + 4 && label.back() == ')') {
        label.erase(mnemonic);
    }
    std::string out;
    for (char c : label) {
        if (c != '&') {
            out += c;
        }
    }
    return out;
}

std::string keyName(uint16_t key)
{
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= VK_F1 && key <= VK_F24) {
        return "F" + std::to_string(key - VK_F1 + 1);
    }
    switch (key) {
    case VK_SPACE: return "Space";
    case VK_BACK: return "BackSpace";
    case VK_DELETE: return "Delete";
    case VK_INSERT: return "Insert";
    case VK_ESCAPE: return "Esc";
    case VK_RETURN: return "Enter";
    case VK_TAB: return "Tab";
    case VK_UP: return "↑";
    case VK_DOWN: return "↓";
    case VK_LEFT: return "←";
    case VK_RIGHT: return "→";
    case VK_PRIOR: return "PageUp";
    case VK_NEXT: return "PageDown";
    case VK_HOME: return "Home";
    case VK_END: return "End";
    case VK_ADD: return "テンキー+";
    case VK_SUBTRACT: return "テンキー-";
    case VK_OEM_PLUS: return "+";
    case VK_OEM_MINUS: return "-";
    default: break;
    }
    char code[16];
    std::snprintf(code, sizeof code, "0x%02X", key);
    return std::string("キーコード ") + code;
}

std::string keyText(const ACCEL& entry)
{
    std::string text;
    if (entry.fVirt & FCONTROL) text += "Ctrl+";
    if (entry.fVirt & FSHIFT) text += "Shift+";
    if (entry.fVirt & FALT) text += "Alt+";
    return text + keyName(entry.key);
}

// Markdown needs its table separator escaped inside a cell; a Shift-JIS character whose
// second byte is '|' (ポ, for one) is not a separator.
std::string cell(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (HText::isLeadByte(static_cast<uint8_t>(text[i])) && i + 1 < text.size()) {
            out += text.substr(i++, 2);
        } else {
            out += text[i] == '|' ? std::string("\\|") : std::string(1, text[i]);
        }
    }
    return out;
}

}  // namespace

int main()
{
    const std::vector<ACCEL> keys = BMCommandTable::accelerators();
    int rows = 0;
    for (const BMCommandTable::Row& menu : BMCommandTable::rows()) {
        if (menu.parent != BMCommandTable::MENU_BAR || menu.label == nullptr) {
            continue;
        }
        for (const BMCommandTable::Row& item : BMCommandTable::rows()) {
            if (item.parent != menu.id || item.label == nullptr || item.label == std::string("-")
                || item.state == BMCommandTable::DISABLED) {
                continue;
            }
            for (const ACCEL& entry : keys) {
                if (entry.cmd == item.id) {
                    std::printf("| %s | %s | %s |\n", cell(plainLabel(menu.label)).c_str(),
                                cell(plainLabel(item.label)).c_str(), cell(keyText(entry)).c_str());
                    ++rows;
                }
            }
        }
    }
    return rows > 0 ? 0 : 1;
}
