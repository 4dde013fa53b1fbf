#pragma once

#include <cstdint>
#include <string>

#include "framework/gui/HDialog.h"
#include "scenario/ZDArea.h"

class ZDAreaMapData;

// The area data editor: one area's record for the user to change (name, values 1, 2 and 6 to
// 9, the links of the eight placement groups, the music name), with the three counts shown
// read-only since they come from the map. OK takes only what the columns of the area list
// carry and otherwise says which field is wrong; what the user leaves as shown keeps its
// bytes, even those an edit control cannot show.
class BMAreaDialog : public HDialog {
public:
    static constexpr int ID_NAME = 1001;
    static constexpr int ID_VALUE = 1002;  // + 0..8 for values 1..9 (the counts are 3..5)
    static constexpr int ID_LINK = 1011;   // + 0..7 for the placement groups
    static constexpr int ID_MUSIC = 1019;

    // Area number (1-based) of data, which is read here only; the area must exist.
    BMAreaDialog(const ZDAreaMapData& data, uint32_t number);

    // The record as loaded into the dialog, and after OK as the user left it.
    const ZDArea& getRecord() const { return m_record; }

protected:
    bool onOK() override;

private:
    void addLinks(const ZDAreaMapData& data);
    bool refuse(int id, const std::string& message);

    ZDArea m_record;
    uint32_t m_areas;
    // What the controls showed when the dialog opened.
    std::string m_shownName;
    std::string m_shownMusic;
    std::string m_shownValues[ZDArea::VALUES];
};
