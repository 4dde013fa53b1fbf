#include "scenario/ZDAreaMapData.h"

#include "framework/base/HFileReader.h"
#include "framework/graphics/HBitmapHeader.h"
#include "framework/graphics/HImage.h"
#include "framework/graphics/HImageLoader.h"
#include "framework/gui/HApplication.h"

// The Windows side of the scenario folder: the install directory from the registry and the
// chip pictures as GDI images.

namespace {

// Why a bitmap the loader refused cannot be used, read from its bytes.
ZDLoadFault::Reason reasonOf(const HFile& file, int64_t* detail)
{
    HFileReader reader(file);
    if (!reader.read()) {
        return ZDLoadFault::UNREADABLE;
    }
    if (reader.getSize() == 0) {
        return ZDLoadFault::EMPTY;
    }
    HBitmapHeader header;
    HBitmapHeader::Field field = HBitmapHeader::check(reinterpret_cast<const uint8_t*>(reader.getData()),
                                                      static_cast<size_t>(reader.getSize()), &header);
    *detail = field;
    return field != HBitmapHeader::FIELD_NONE ? ZDLoadFault::HEADER : ZDLoadFault::PIXELS;
}

}  // namespace

std::string ZDAreaMapData::readRegistryPlace(ZDGameFinder::Place place)
{
    switch (place) {
    case ZDGameFinder::PLACE_MACHINE_64:
        return HApplication::getRegistryString(REGISTRY_PATH, HApplication::REGISTRY_64);
    case ZDGameFinder::PLACE_MACHINE_32:
        return HApplication::getRegistryString(REGISTRY_PATH, HApplication::REGISTRY_32);
    case ZDGameFinder::PLACE_USER:
        return HApplication::getRegistryString(USER_REGISTRY_PATH, HApplication::REGISTRY_64);
    default:
        return std::string();
    }
}

void ZDAreaMapData::ImageDeleter::operator()(HImage* image) const
{
    delete image;
}

// A picture that cannot be had is left out, so that the views draw their stand-ins for it.
// One that is nowhere to be found is named among the faults but fails no load: there is
// nothing that could not be read.
bool ZDAreaMapData::readImage(Picture picture, const char* failure)
{
    if (m_pictures[picture].isEmpty()) {
        addFault(ownPicture(picture), ZDLoadFault::PART_CHIPS, ZDLoadFault::MISSING);
        return true;
    }
    m_images[picture].reset(new HImage());
    int result = HImageLoader::loadImageFile(m_pictures[picture], m_images[picture].get(), true);
    if (result != HImageLoader::LOAD_OK) {
        HLOG_INFO(failure);
        int64_t detail = 0;
        ZDLoadFault::Reason reason = result == HImageLoader::LOAD_NO_FILE
                                         ? ZDLoadFault::MISSING
                                         : reasonOf(m_pictures[picture], &detail);
        addFault(m_pictures[picture], ZDLoadFault::PART_CHIPS, reason, detail);
        m_images[picture].reset();
        return false;
    }
    return true;
}
