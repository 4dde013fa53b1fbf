#include "framework/base/HDebug.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>

#include "framework/base/HSystem.h"

const char* const HDebug::FMT_PASS = "%-20s:%04d .";
const char* const HDebug::FMT_START = "%-20s:%04d %s 開始";
const char* const HDebug::FMT_END = "%-20s:%04d %s 終了";
const char* const HDebug::FMT_WARNING = "%-20s:%04d 警告：%s";
const char* const HDebug::FMT_ERROR = "%-20s:%04d エラー：%s";
const char* const HDebug::FMT_INFO = "%-20s:%04d 情報：%s";
const char* const HDebug::FMT_SYSERROR = "%-20s:%04d システムエラー：%s";
const char* const HDebug::LOG_FILE = ".\\debug.log";

namespace {

const uint32_t kAlwaysEnabled = 0;
const uint32_t kDefaultMask = 0xFFFF;
const size_t kMessageLength = 1024;

struct LogState {
    std::map<uint32_t, std::string> markers;  // level -> marker file
    std::map<uint32_t, std::string> tags;     // level -> tag written into the line
    uint32_t enabled = 0;                     // only ever gains bits
    bool active = false;
    HSystem::Handle file = nullptr;
    uint64_t size = 0;
    bool rotating = false;  // keeps the rotation's own lines from starting it again
    // Held by every operation on the state; recursive because start, stop and the rotation
    // write lines of their own.
    std::recursive_mutex lock;
};

// Never destroyed, so objects torn down late at exit can still log safely.
LogState& state()
{
    static LogState* s = new LogState;
    return *s;
}

void buildTables(LogState& s)
{
    struct Row {
        uint32_t level;
        const char* tag;
        const char* marker;
    };
    static const Row rows[] = {
        {HDebug::LV_DBG, " DBG ", ".\\debug"},     {HDebug::LV_TRC, " TRC ", ".\\trace"},
        {HDebug::LV_IF, " I/F ", ".\\interface"},  {HDebug::LV_JNL, " JNL ", ".\\journal"},
        {HDebug::LV_WAR, " WAR ", ".\\warning"},   {HDebug::LV_ERR, " ERR ", ".\\error"},
        {HDebug::LV_INF, " INF ", ".\\info"},      {HDebug::LV_FTL, " FTL ", ".\\fatal"},
    };
    for (const Row& row : rows) {
        s.tags[row.level] = row.tag;
        s.markers[row.level] = row.marker;
    }
}

std::string timeStamp(const char* format)
{
    HSystem::LocalTime t = HSystem::get().getLocalTime();
    char text[64];
    snprintf(text, sizeof(text), format, t.year, t.month, t.day, t.hour, t.minute, t.second,
             t.millisecond);
    return text;
}

bool openLogFile(LogState& s)
{
    HSystem& system = HSystem::get();
    bool existed = false;
    s.file = system.open(HDebug::LOG_FILE, HSystem::OPEN_APPEND, &existed);
    if (s.file == nullptr) {
        s.active = false;
        return false;
    }
    int64_t end = 0;
    s.size = existed && system.seekEnd(s.file, &end) ? static_cast<uint64_t>(end) : 0;
    return true;
}

}  // namespace

HDebug::HDebug(const std::string& name, uint32_t mask) : m_name(name), m_mask(mask)
{
    printLine(this, "%s", "生成");
}

HDebug::~HDebug()
{
    printLine(this, "%s", "削除");
}

void HDebug::print(const char* format, va_list args) const
{
    output(LV_DBG, this, format, args);
}

void HDebug::printLine(const HDebug* channel, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    output(LV_DBG, channel, format, args);
    va_end(args);
}

void HDebug::start()
{
    LogState& s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (s.tags.empty()) {
        buildTables(s);
    }
    stop();
    scanLevelFiles();
    s.active = true;
    log(LV_JNL, "ログ出力開始");
}

void HDebug::stop()
{
    LogState& s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    if (!s.active) {
        return;
    }
    log(LV_JNL, "ログ出力停止");
    if (s.file != nullptr) {
        HSystem::get().close(s.file);
        s.file = nullptr;
    }
    s.active = false;
}

bool HDebug::isActive()
{
    LogState& s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    return s.active;
}

bool HDebug::isEnabled(uint32_t level)
{
    LogState& s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    return s.active && (level & kDefaultMask) != 0 && (level & (s.enabled | kAlwaysEnabled)) != 0;
}

void HDebug::log(uint32_t level, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    output(level, nullptr, format, args);
    va_end(args);
}

void HDebug::debug(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    output(LV_DBG, nullptr, format, args);
    va_end(args);
}

void HDebug::output(uint32_t level, const HDebug* channel, const char* format, va_list args)
{
    LogState& s = state();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    uint32_t mask = channel != nullptr ? channel->m_mask : kDefaultMask;
    if (!s.active || (level & mask) == 0) {
        return;
    }
    if ((level & (s.enabled | kAlwaysEnabled)) == 0) {
        return;
    }
    if (s.file == nullptr && !openLogFile(s)) {
        return;
    }
    backupLogFile();
    // The rotation restarts the log; a restart that could not open the file switched it off.
    if (s.file == nullptr && (!s.active || !openLogFile(s))) {
        return;
    }

    std::string line = timeStamp("%04d/%02d/%02d %02d:%02d:%02d.%03d");
    auto tag = s.tags.find(level);
    line += tag != s.tags.end() ? tag->second : std::string(" OTH ");
    if (channel != nullptr) {
        line += channel->m_name;
        line += ":";
    }
    char message[kMessageLength];
    int length = vsnprintf(message, sizeof(message), format, args);
    if (length > 0) {
        line.append(message, std::min(static_cast<size_t>(length), sizeof(message) - 1));
    }
    line += "\r\n";

    uint32_t written = 0;
    HSystem::get().write(s.file, line.data(), static_cast<uint32_t>(line.size()), &written);
    s.size += written;
}

void HDebug::backupLogFile()
{
    LogState& s = state();
    if (SIZE_LIMIT == 0 || s.size <= SIZE_LIMIT || s.rotating) {
        return;
    }
    s.rotating = true;
    std::string backup = std::string(LOG_FILE) + "." + timeStamp("%04d%02d%02d_%02d%02d%02d_%03d");
    std::string message = "ログファイル退避：" + backup;
    log(LV_INF, FMT_INFO, sourceName(__FILE__), __LINE__, message.c_str());
    stop();
    if (!HSystem::get().renameFile(LOG_FILE, backup)) {
        log(LV_INF, FMT_INFO, sourceName(__FILE__), __LINE__, "ログファイル退避に失敗");
    }
    start();
    log(LV_INF, FMT_INFO, sourceName(__FILE__), __LINE__, "ログ出力再開");
    s.rotating = false;
}

void HDebug::scanLevelFiles()
{
    LogState& s = state();
    HSystem& system = HSystem::get();
    for (const auto& row : s.markers) {
        HSystem::Handle marker = system.open(row.second, HSystem::OPEN_MARKER, nullptr);
        if (marker == nullptr) {
            continue;
        }
        int64_t size = -1;
        if (system.getSize(marker, &size) && size >= 0) {
            s.enabled |= row.first;
        }
        system.close(marker);
    }
}

const char* HDebug::sourceName(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '/' || *p == '\\') {
            name = p + 1;
        }
    }
    return name;
}
