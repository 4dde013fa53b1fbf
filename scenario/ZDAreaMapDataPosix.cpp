#include "scenario/ZDAreaMapData.h"

// The host build's side of the scenario folder: there is no registry and no image class, so
// no install directory is known and the pictures' paths are resolved but never loaded. The
// areas and maps load and save as on Windows.

std::string ZDAreaMapData::readRegistryPlace(ZDGameFinder::Place)
{
    return std::string();
}

// No image is ever made here, so there is none to delete.
void ZDAreaMapData::ImageDeleter::operator()(HImage*) const {}

bool ZDAreaMapData::readImage(Picture, const char*)
{
    return true;
}
