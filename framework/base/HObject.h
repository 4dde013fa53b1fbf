#pragma once

#include <memory>
#include <string>

#include "framework/base/HDebug.h"

// Base of every framework class: a class name and a debug channel of its own, named after
// the class and the object's address.
class HObject {
public:
    HObject();
    virtual ~HObject();
    HObject(const HObject&) = delete;
    HObject& operator=(const HObject&) = delete;

    // Class name, "@" and the object's address in upper-case hexadecimal.
    virtual std::string toString() const;

    const std::string& getClassName() const { return m_className; }
    // Writes a free-form line at LV_DBG through the object's channel, if it has one.
    void debug(const char* format, ...) const
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;

protected:
    // Every framework constructor names its class; this also makes the object's channel.
    void setClassName(const std::string& name);

private:
    std::unique_ptr<HDebug> m_channel;
    std::string m_className;
};
