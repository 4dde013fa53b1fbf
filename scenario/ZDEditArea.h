#pragma once

#include "scenario/ZDArea.h"

// An area being edited: the inherited part is the working copy, beside it the record as it
// was loaded.
class ZDEditArea : public ZDArea {
public:
    explicit ZDEditArea(const ZDArea& area);
    ~ZDEditArea() override = default;

    const ZDArea& getLoaded() const { return m_loaded; }
    bool isModified() const;

private:
    ZDArea m_loaded;
};
