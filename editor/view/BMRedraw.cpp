#include "editor/view/BMRedraw.h"

#include "editor/model/BMChange.h"

namespace BMRedraw {

// The number layer shows chips, objects and heights; the area panel the category counts; the
// palette the placement groups' counts and links; the chooser the areas' names. Any change of
// what a save writes may change the title's mark of edits.
uint32_t of(uint32_t data)
{
    uint32_t redraw = (data & DATA_SAVED) != 0 ? REDRAW_TITLE : 0;
    redraw |= (data & DATA_MAP) != 0 ? REDRAW_ALL : 0;
    redraw |= (data & DATA_CHARACTER) != 0 ? REDRAW_CHAR | REDRAW_NUMBER : 0;
    redraw |= (data & DATA_OBJECT) != 0 ? REDRAW_OBJ | REDRAW_NUMBER | REDRAW_AREA_INFO : 0;
    redraw |= (data & DATA_HEIGHT) != 0 ? REDRAW_NUMBER : 0;
    redraw |= (data & DATA_PLACEMENT) != 0 ? REDRAW_PLACEMENT | REDRAW_PALETTE : 0;
    redraw |= (data & DATA_MARKS) != 0 ? REDRAW_OVERLAY : 0;
    redraw |= (data & DATA_CURRENT) != 0 ? REDRAW_PALETTE | REDRAW_CHOOSER : 0;
    redraw |= (data & DATA_AREA_RECORD) != 0 ? REDRAW_AREA_INFO | REDRAW_PALETTE | REDRAW_CHOOSER : 0;
    return redraw;
}

}  // namespace BMRedraw
