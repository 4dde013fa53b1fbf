#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>

// The process-wide diagnostic log ".\debug.log" and its debug channels.
//
// The class-level operations own the log file; an instance is a channel: a name written in
// front of its lines and a mask of the levels it lets through. Which levels reach the file is
// decided by marker files beside the log when the log starts, so an installation without
// markers writes nothing. Any thread may write: one lock keeps lines, the file and its
// rotation whole.
class HDebug {
public:
    enum Level : uint32_t {
        LV_DBG = 0x8000,
        LV_TRC = 0x2000,
        LV_IF = 0x0800,
        LV_JNL = 0x0200,
        LV_WAR = 0x0080,
        LV_ERR = 0x0020,
        LV_INF = 0x0008,
        LV_FTL = 0x0002,
    };

    // Standard formats: source file, source line and, except for FMT_PASS, one text.
    static const char* const FMT_PASS;
    static const char* const FMT_START;
    static const char* const FMT_END;
    static const char* const FMT_WARNING;
    static const char* const FMT_ERROR;
    static const char* const FMT_INFO;
    static const char* const FMT_SYSERROR;

    static const char* const LOG_FILE;        // ".\debug.log"
    static constexpr uint64_t SIZE_LIMIT = 102400000;  // the file is set aside past this size

    HDebug(const std::string& name, uint32_t mask);
    virtual ~HDebug();
    HDebug(const HDebug&) = delete;
    HDebug& operator=(const HDebug&) = delete;

    const std::string& getName() const { return m_name; }
    uint32_t getMask() const { return m_mask; }
    // A free-form line at LV_DBG for this channel.
    void print(const char* format, va_list args) const;

    static void start();
    static void stop();
    static bool isActive();
    // Whether a line of the level, without a channel, would reach the file now; lets a caller
    // skip building text that nobody will read.
    static bool isEnabled(uint32_t level);
    static void log(uint32_t level, const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    static void debug(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;
    // Every line passes through here; channel may be nullptr.
    static void output(uint32_t level, const HDebug* channel, const char* format, va_list args);

    // The file name part of a __FILE__ path, for the standard formats.
    static const char* sourceName(const char* path);

private:
    static void backupLogFile();
    static void scanLevelFiles();
    static void printLine(const HDebug* channel, const char* format, ...);

    std::string m_name;
    uint32_t m_mask;
};

#define HLOG_INFO(message) \
    HDebug::log(HDebug::LV_INF, HDebug::FMT_INFO, HDebug::sourceName(__FILE__), __LINE__, (message))
#define HLOG_START(function) \
    HDebug::log(HDebug::LV_JNL, HDebug::FMT_START, HDebug::sourceName(__FILE__), __LINE__, (function))
#define HLOG_END(function) \
    HDebug::log(HDebug::LV_JNL, HDebug::FMT_END, HDebug::sourceName(__FILE__), __LINE__, (function))
#define HLOG_PASS() \
    HDebug::log(HDebug::LV_TRC, HDebug::FMT_PASS, HDebug::sourceName(__FILE__), __LINE__)
