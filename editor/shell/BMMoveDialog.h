#pragma once

#include <cstdint>
#include <string>

#include "framework/gui/HDialog.h"

// Asks where the current area goes: a position 1..count, offered as the area's own. OK is
// refused, with a message saying what is allowed, until the position is in range. The text
// also says that the numbers of the areas in between change.
class BMMoveDialog : public HDialog {
public:
    static constexpr int ID_POSITION = 100;

    // area: the area's number and name as the user reads them.
    BMMoveDialog(const std::string& area, uint32_t position, uint32_t count);

    // The position taken at OK.
    uint32_t getPosition() const { return m_position; }

protected:
    void onInit() override;
    bool onOK() override;

private:
    uint32_t m_count;
    uint32_t m_position;
};
