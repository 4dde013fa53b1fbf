#include "editor/model/BMLayers.h"

#include "editor/model/BMChange.h"
#include "editor/model/BMUndoItem.h"

BMLayers BMLayers::ofMode(int mode)
{
    return {(mode & (MODE_CHAR | MODE_BORDER)) != 0, (mode & MODE_OBJ) != 0,
            (mode & MODE_HEIGHT) != 0, (mode & MODE_PLACEMENT) != 0};
}

BMLayers BMLayers::ofKinds(int32_t kinds)
{
    return {(kinds & UNDO_CHAR) != 0, (kinds & (UNDO_OBJ | UNDO_ORDER)) != 0,
            (kinds & UNDO_HEIGHT) != 0, (kinds & (UNDO_CONNECT | UNDO_CONNECT_ORDER)) != 0};
}

int32_t BMLayers::kinds() const
{
    int32_t kinds = 0;
    kinds |= character ? UNDO_CHAR : 0;
    kinds |= object ? UNDO_OBJ | UNDO_ORDER : 0;
    kinds |= height ? UNDO_HEIGHT : 0;
    kinds |= placement ? UNDO_CONNECT | UNDO_CONNECT_ORDER : 0;
    return kinds;
}

uint32_t BMLayers::data() const
{
    uint32_t data = 0;
    data |= character ? DATA_CHARACTER : 0;
    data |= object ? DATA_OBJECT : 0;
    data |= height ? DATA_HEIGHT : 0;
    data |= placement ? DATA_PLACEMENT : 0;
    return data;
}
