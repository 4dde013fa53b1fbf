#include "framework/base/HObject.h"

#include <cstdarg>

#include "framework/base/HText.h"

namespace {

const uint32_t kChannelMask = 0xFFFF;

}  // namespace

HObject::HObject() : m_className("HObject")
{
}

HObject::~HObject() = default;

std::string HObject::toString() const
{
    return m_className + "@" + HText::address(this);
}

void HObject::setClassName(const std::string& name)
{
    m_className = name;
    m_channel.reset();
    m_channel.reset(new HDebug(HObject::toString(), kChannelMask));
}

void HObject::debug(const char* format, ...) const
{
    if (m_channel == nullptr) {
        return;
    }
    va_list args;
    va_start(args, format);
    m_channel->print(format, args);
    va_end(args);
}
