#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/gui/HDialog.h"
#include "scenario/ZDArea.h"

class ZDAreaMapData;

// The area data editor: one area's record for the user to change (name, values 1, 2 and 6 to
// 9, the links of the eight placement groups, the music name), with the three counts shown as
// text since they come from the map. OK takes only what the columns of the area list
// carry and otherwise says which field is wrong; what the user leaves as shown keeps its
// bytes, even those an edit control cannot show.
class BMAreaDialog : public HDialog {
public:
    static constexpr int ID_NAME = 1001;
    static constexpr int ID_VALUE = 1002;  // + 0..8 for values 1, 2 and 6..9 (3..5 are the counts)
    static constexpr int ID_GROUP = 1011;  // the placement group whose link the next list sets
    static constexpr int ID_LINK = 1012;   // 0 (none) and the areas
    static constexpr int ID_LINKS = 1013;  // + 0..1: the links of groups 1..4 and 5..8, read-only
    static constexpr int ID_MUSIC = 1019;

    // Area number (1-based) of data, which is read here only; the area must exist.
    BMAreaDialog(const ZDAreaMapData& data, uint32_t number);

    // The record as loaded into the dialog, and after OK as the user left it.
    const ZDArea& getRecord() const { return m_record; }
    // The line that shows the three counts.
    static std::string countsText(const ZDArea& record);

protected:
    bool onOK() override;
    void onCommand(int id, int code) override;

private:
    void addLinks(const ZDAreaMapData& data);
    bool refuse(int id, const std::string& message);
    // The entries the link list shows for a group, and which of them is its link.
    std::vector<std::string> linkChoices(int group, int* selected) const;
    // The links of four groups from first on, one a line.
    std::string linkLines(int first) const;
    // While shown: the link list for the group.
    void showGroup(int group);

    ZDArea m_record;
    uint32_t m_areas;
    std::vector<std::string> m_areaNames;  // "0: なし", then "n: name" for every area
    int32_t m_links[ZDArea::LINKS] = {};   // as chosen so far
    int m_group = 0;                       // the group the link list shows
    // What the controls showed when the dialog opened.
    std::string m_shownName;
    std::string m_shownMusic;
    std::string m_shownValues[ZDArea::VALUES];
};
