#include "scenario/ZDRecoveryCopy.h"

#include <cstdio>

#include "framework/base/HDebug.h"
#include "framework/base/HFile.h"
#include "framework/base/HFileWriter.h"
#include "framework/base/HSystem.h"
#include "framework/base/HText.h"
#include "scenario/ZDFileStamp.h"

const char* const ZDRecoveryCopy::FILE_NAME = "Recovery";
const char* const ZDRecoveryCopy::ASIDE_NAME = "Recovery.old";

namespace {

const char kHeader[] = "TESSEL RECOVERY 1\r\n";
const char kPath[] = "PATH ";
const char kTime[] = "TIME ";

// Makes every missing folder of path, from the first that is missing on.
void makeFolders(const std::string& path)
{
    HSystem& system = HSystem::get();
    for (size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && HText::isDoubleByte(path.data(), path.size(), i)) {
            ++i;
            continue;
        }
        if ((i == path.size() || path[i] == '\\') && i > 0 && path[i - 1] != ':') {
            std::string folder = path.substr(0, i);
            if (system.getType(folder) == HSystem::TYPE_NONE) {
                system.makeDirectory(folder);
            }
        }
    }
}

// The line at *at up to CR LF, or false.
bool takeLine(const std::string& bytes, size_t* at, std::string* line)
{
    size_t end = bytes.find("\r\n", *at);
    if (end == std::string::npos) {
        return false;
    }
    *line = bytes.substr(*at, end - *at);
    *at = end + 2;
    return true;
}

}  // namespace

ZDRecoveryCopy::ZDRecoveryCopy(const std::string& root, const std::string& scenario)
    : m_scenario(scenario)
{
    char name[17];
    snprintf(name, sizeof(name), "%016llx", static_cast<unsigned long long>(ZDFileStamp::hash(HText::asciiUpper(scenario))));
    m_folder = HFile(root, name).getPath();
}

std::string ZDRecoveryCopy::getPath() const
{
    return HFile(m_folder, FILE_NAME).getPath();
}

std::string ZDRecoveryCopy::getAsidePath() const
{
    return HFile(m_folder, ASIDE_NAME).getPath();
}

bool ZDRecoveryCopy::write(const ZDFileSet& files, const std::string& time) const
{
    makeFolders(m_folder);
    std::string bytes = std::string(kHeader) + kPath + m_scenario + "\r\n" + kTime + time + "\r\n" + files.toBytes();
    HFileWriter writer{HFile(getPath())};
    if (!writer.open()) {
        HLOG_INFO("write:error recovery copy open");
        return false;
    }
    bool ok = writer.write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    ok = writer.close() && ok;
    if (!ok) {
        HLOG_INFO("write:error recovery copy");
    }
    return ok;
}

bool ZDRecoveryCopy::read(Contents* contents) const
{
    *contents = Contents();
    HSystem::FileInfo info;
    std::string bytes;
    if (!HSystem::get().getFileInfo(getPath(), &info) || !ZDFileStamp::readFile(getPath(), &bytes)) {
        return false;
    }
    size_t at = 0;
    std::string header;
    std::string path;
    std::string time;
    if (!takeLine(bytes, &at, &header) || header + "\r\n" != kHeader || !takeLine(bytes, &at, &path)
        || path.compare(0, sizeof(kPath) - 1, kPath) != 0 || !takeLine(bytes, &at, &time)
        || time.compare(0, sizeof(kTime) - 1, kTime) != 0) {
        HLOG_INFO("read:error recovery copy damaged");
        return false;
    }
    // Windows compares paths without regard to the case of ASCII letters.
    if (HText::asciiUpper(path.substr(sizeof(kPath) - 1)) != HText::asciiUpper(m_scenario)) {
        HLOG_INFO("read:error recovery copy of another scenario");
        return false;
    }
    if (!ZDFileSet::fromBytes(bytes.data() + at, bytes.size() - at, &contents->files)) {
        HLOG_INFO("read:error recovery copy damaged");
        return false;
    }
    contents->time = time.substr(sizeof(kTime) - 1);
    contents->writeTime = info.writeTime;
    return true;
}

bool ZDRecoveryCopy::remove() const
{
    HSystem& system = HSystem::get();
    std::vector<std::string> names;
    system.listFiles(m_folder, &names);
    for (const std::string& name : names) {
        if (HFileWriter::isTemporaryOf(name, FILE_NAME)) {
            system.removeFile(HFile(m_folder, name).getPath());
        }
    }
    if (system.removeFile(getPath())) {
        return true;
    }
    uint32_t error = system.getLastError();
    if (system.getType(getPath()) == HSystem::TYPE_NONE) {
        return true;
    }
    HLOG_INFO(HText::format("remove error:%u", error).c_str());
    return false;
}

bool ZDRecoveryCopy::setAside() const
{
    if (!HSystem::get().replaceFile(getPath(), getAsidePath())) {
        HLOG_INFO(HText::format("setAside error:%u", HSystem::get().getLastError()).c_str());
        return false;
    }
    return true;
}
