#include "scenario/ZDAreaMapData.h"

#include "framework/graphics/HImage.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/gui/HApplication.h"

// The Windows side of the scenario folder: the install directory from the registry and the
// chip pictures as GDI images.

std::string ZDAreaMapData::readInstallDirectory()
{
    return HApplication::getRegistryString(REGISTRY_PATH);
}

void ZDAreaMapData::ImageDeleter::operator()(HImage* image) const
{
    delete image;
}

bool ZDAreaMapData::readImage(Picture picture, const char* failure)
{
    if (m_pictures[picture].isEmpty()) {
        return true;
    }
    m_images[picture].reset(new HImage());
    if (HImageLoader::loadImageFile(m_pictures[picture], m_images[picture].get(), true) != 0) {
        HLOG_INFO(failure);
        return false;
    }
    return true;
}
