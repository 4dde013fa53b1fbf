#include "scenario/ZDEditArea.h"

ZDEditArea::ZDEditArea(const ZDArea& area) : ZDArea(area), m_loaded(area)
{
}

bool ZDEditArea::isModified() const
{
    return !sameRecord(m_loaded);
}
