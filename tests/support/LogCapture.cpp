#include "tests/support/LogCapture.h"

#include "framework/base/HDebug.h"
#include "tests/support/TestFolder.h"

LogCapture::LogCapture(std::initializer_list<const char*> markers)
{
    for (const char* marker : markers) {
        TestFolder::write(marker, "");
    }
    HDebug::start();
}

LogCapture::~LogCapture()
{
    HDebug::stop();
}

std::string LogCapture::text()
{
    HDebug::stop();
    return TestFolder::read("debug.log");
}

bool LogCapture::contains(const std::string& message)
{
    return text().find(message) != std::string::npos;
}

std::string LogCapture::missing(std::initializer_list<std::string> messages)
{
    std::string log = text();
    std::string absent;
    for (const std::string& message : messages) {
        absent += log.find(message) == std::string::npos ? message + "\n" : "";
    }
    return absent;
}
