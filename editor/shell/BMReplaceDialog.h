#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/gui/HDialog.h"

// Asks for a replace across maps (置換): the value A of the edit mode's layer to replace, the
// value B to put in its place and where (the selection, the current map or every map). A line
// under them says how many cells on how many maps hold A there, updated as the author types;
// OK is refused, with a message saying why, for a value out of range, A equal to B or no cell
// to replace.
class BMReplaceDialog : public HDialog {
public:
    static constexpr int ID_FROM = 100;
    static constexpr int ID_TO = 101;
    static constexpr int ID_SCOPE = 102;
    static constexpr int ID_PREVIEW = 103;

    // preview: the preview line of values A and B in a scope (0 selection, 1 current map,
    // 2 every map), and whether any cell holds A there.
    using Preview = std::function<std::string(uint32_t from, uint32_t to, int scope, bool* any)>;

    BMReplaceDialog(const std::string& layer, uint32_t maximum, uint32_t from, uint32_t to, int scope,
                    Preview preview);

    uint32_t getFrom() const { return m_from; }
    uint32_t getTo() const { return m_to; }
    int getScope() const { return m_scope; }

protected:
    void onInit() override;
    bool onOK() override;
    void onCommand(int id, int code) override;

private:
    // A value 0..maximum written in digits, or -1.
    int64_t valueOf(int id) const;
    void updatePreview();
    void refuse(const std::string& text, int id);

    uint32_t m_maximum;
    uint32_t m_from;
    uint32_t m_to;
    int m_scope;
    Preview m_preview;
};
