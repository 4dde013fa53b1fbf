#pragma once

#include <cstdint>
#include <string>

class BMData;
class HComponent;

// The Data menu's commands on the list of areas (2356 add, 2357 remove, 2358 move, 2359 copy,
// 2360 overwrite, 2361 insert), each one undo step of the display's history. They need an
// open scenario; remove, move, copy and overwrite also a current map.
namespace BMMapOperations {

bool OP2356(HComponent* window, uint32_t id);

// The question asked before area number (1-based) is removed: its name, how many links of the
// other areas lead to it and that they become 0, and which area numbers change.
std::string removeQuestion(const BMData& data, uint32_t number, uint32_t links);

}  // namespace BMMapOperations
