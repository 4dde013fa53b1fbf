#pragma once

#include <initializer_list>
#include <string>

// Starts the debug log in the current folder with the given marker files ("debug", "info",
// ...) and hands back what was written. Levels, once enabled, stay enabled for the process.
class LogCapture {
public:
    explicit LogCapture(std::initializer_list<const char*> markers);
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Stops the log and returns the whole log file ("" when none was written).
    std::string text();
    // Stops the log and tells whether a line contains the message.
    bool contains(const std::string& message);
    // Stops the log and returns the messages no line contains, one a line ("" for none).
    std::string missing(std::initializer_list<std::string> messages);
};
