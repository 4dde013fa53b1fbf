#pragma once

#include "scenario/ZDBMap.h"

// A battle map being edited: the inherited part is the working map, beside it the map as it
// was read from disk, so that changes can be detected and undone cell by cell.
class ZDEditBMap : public ZDBMap {
public:
    explicit ZDEditBMap(const ZDBMap& map);
    ~ZDEditBMap() override = default;

    const ZDBMap& getLoaded() const { return m_loaded; }
    // True as soon as one cell differs from the loaded copy in any of the six layers.
    bool isModified() const;
    // Puts every cell and the three category counts back as loaded.
    void revert();

private:
    ZDBMap m_loaded;
};
