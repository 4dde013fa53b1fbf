#pragma once

#include <cstdint>
#include <string>

// The checks of what the user types into the area data editor: every field must be one the
// columns of the area list write and read back as typed. Each answers an empty text when the
// input is taken, or the message that tells the user why not, naming the field.
class BMAreaInput {
public:
    // The name: not empty, no blank (blanks separate the fields), no control character.
    static std::string checkName(const std::string& name);
    // The music name: as the name, but it may be empty.
    static std::string checkMusic(const std::string& music);
    // A number field called label: an optional minus and decimal digits of a 32-bit value;
    // value receives it when taken.
    static std::string readNumber(const std::string& label, const std::string& text, int32_t* value);
    // The link of placement group index 0..7: 0 for none or an area 1..areas.
    static std::string checkLink(int group, int32_t link, uint32_t areas);
    // "値1" ... "値9" for the values 1..9 and "グループ1の接続先" ... for the groups 0..7.
    static std::string valueLabel(int index);
    static std::string linkLabel(int group);

private:
    static std::string checkText(const std::string& label, const std::string& text, bool mayBeEmpty);
};
