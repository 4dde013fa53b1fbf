#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/base/HObject.h"
#include "framework/base/HWin32.h"

// A modal dialog box laid out in code: its template is built in memory (no resource script),
// the controls are placed in dialog units and drawn in "MS UI Gothic" 9 pt. IDOK and IDCANCEL
// close it; OK asks onOK first, so a subclass can refuse what was entered and keep the dialog
// open. What the edits and lists held at OK stays readable after the dialog closed.
class HDialog : public HObject {
public:
    HDialog(const std::string& caption, int width, int height);
    ~HDialog() override;
    HDialog(const HDialog&) = delete;
    HDialog& operator=(const HDialog&) = delete;

    // Controls, in tab order. ids are the caller's (IDOK and IDCANCEL for the two buttons
    // that close the dialog); style adds ES_* styles to an edit (ES_READONLY, ES_NUMBER).
    void addLabel(const std::string& text, int x, int y, int width, int height);
    void addEdit(int id, const std::string& text, int x, int y, int width, int height,
                 uint32_t style = 0);
    // A drop-down list; height is that of the list when open.
    void addComboList(int id, const std::vector<std::string>& items, int selected, int x, int y,
                      int width, int height);
    void addButton(int id, const std::string& text, int x, int y, int width, int height,
                   bool isDefault = false);

    // Shows the dialog centred over owner (nullptr: the screen) until it closes; IDOK or
    // IDCANCEL (also when the dialog could not be made).
    int showModal(HWND owner);

    // While shown the control's own state; otherwise what was set, or what it held at OK.
    std::string getText(int id) const;
    // The list's selected index, -1 when none.
    int getSelection(int id) const;
    void setText(int id, const std::string& text);
    void setSelection(int id, int index);
    // nullptr unless shown.
    HWND getHandle() const { return m_handle; }

protected:
    // Called once the controls exist, before the dialog shows.
    virtual void onInit() {}
    // Called on OK; false keeps the dialog open (the subclass tells the user why).
    virtual bool onOK() { return true; }
    // Every other command of a control: its id and notification code.
    virtual void onCommand(int /*id*/, int /*code*/) {}
    void focus(int id);

private:
    struct Control {
        int id;
        uint16_t kind;  // the predefined window class atom
        uint32_t style;
        std::string text;
        std::vector<std::string> items;
        int selected;
        short x, y, width, height;
    };

    void add(const Control& control);
    Control* find(int id);
    const Control* find(int id) const;
    std::vector<uint8_t> makeTemplate() const;
    void fillLists();
    void keepValues();
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::string m_caption;
    short m_width;
    short m_height;
    std::vector<Control> m_controls;
    HWND m_handle = nullptr;
};
