#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "framework/base/HWin32.h"

#include <shellapi.h>
#include <shlobj.h>

// A drop list as the shell builds it: a DROPFILES header, then the names, each ended by a
// zero, the list ended by one more zero, in one moveable global block.
template <class Char>
HDROP makeDrop(const std::vector<std::basic_string<Char>>& names)
{
    size_t chars = 1;
    for (const auto& name : names) {
        chars += name.size() + 1;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + chars * sizeof(Char));
    auto* header = static_cast<DROPFILES*>(GlobalLock(block));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = sizeof(Char) == sizeof(wchar_t);
    Char* list = reinterpret_cast<Char*>(header + 1);
    for (const auto& name : names) {
        std::copy(name.begin(), name.end(), list);
        list += name.size() + 1;
    }
    GlobalUnlock(block);
    return static_cast<HDROP>(block);
}
