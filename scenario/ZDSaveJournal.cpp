#include "scenario/ZDSaveJournal.h"

#include "framework/base/HDebug.h"
#include "framework/base/HFile.h"
#include "framework/base/HFileWriter.h"
#include "framework/base/HSystem.h"
#include "framework/base/HText.h"
#include "scenario/ZDAreaMapData.h"
#include "scenario/ZDFileStamp.h"

const char* const ZDSaveJournal::FILE_NAME = "Save.journal";
const char* const ZDSaveJournal::DAMAGED_NAME = "Save.journal.damaged";

namespace {

std::string pathOf(const std::string& folder, const std::string& name)
{
    return HFile(folder, name).getPath();
}

bool writeFile(const std::string& path, const std::string& bytes)
{
    HFileWriter writer{HFile(path)};
    if (!writer.open()) {
        return false;
    }
    bool ok = writer.write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    // After any failure the writer leaves the file as it was.
    ok = writer.close() && ok;
    return ok;
}

// True when nothing is left at path, also when nothing was there.
bool removeFile(const std::string& path)
{
    HSystem& system = HSystem::get();
    if (system.removeFile(path)) {
        return true;
    }
    uint32_t error = system.getLastError();
    if (system.getType(path) == HSystem::TYPE_NONE) {
        return true;
    }
    HLOG_INFO(HText::format("remove error:%u", error).c_str());
    HDebug::debug("file=%s", path.c_str());
    return false;
}

bool isFile(const std::string& path)
{
    return HSystem::get().getType(path) == HSystem::TYPE_FILE;
}

}  // namespace

bool ZDSaveJournal::commit(const std::string& folder, const ZDFileSet& set)
{
    std::string journal = pathOf(folder, FILE_NAME);
    // A journal left by an earlier save whose last step failed would bring that save back at
    // the next open, over this one: this save replaces it, or, with nothing to write, the
    // files already hold what the user saves.
    bool stale = isFile(journal);
    if (set.isEmpty()) {
        return !stale || removeFile(journal);
    }
    if (HSystem::get().getType(folder) == HSystem::TYPE_NONE) {
        HSystem::get().makeDirectory(folder);
    }
    if (set.getCount() == 1 && !stale) {
        if (set.getWrites().empty()) {
            return removeFile(pathOf(folder, set.getRemovals()[0]));
        }
        const ZDFileSet::File& file = set.getWrites()[0];
        return writeFile(pathOf(folder, file.name), file.bytes);
    }
    if (!writeFile(journal, set.toBytes())) {
        HLOG_INFO("commit:error journal write");
        return false;
    }
    std::vector<Previous> done;
    if (!apply(folder, set, &done)) {
        rollBack(folder, done);
        return false;
    }
    if (!removeFile(journal)) {
        // Every file is saved; the next open finds them as the journal says and only removes it.
        HLOG_INFO("commit:error journal remove");
    }
    return true;
}

// Writes and removes the set's files in order, keeping in done what each held before.
bool ZDSaveJournal::apply(const std::string& folder, const ZDFileSet& set, std::vector<Previous>* done)
{
    for (const ZDFileSet::File& file : set.getWrites()) {
        std::string path = pathOf(folder, file.name);
        Previous previous{file.name, isFile(path), std::string()};
        if (previous.existed && !ZDFileStamp::readFile(path, &previous.bytes)) {
            HLOG_INFO("commit:error file read");
            HDebug::debug("file=%s", path.c_str());
            return false;
        }
        if (previous.existed && previous.bytes == file.bytes) {
            continue;
        }
        if (!writeFile(path, file.bytes)) {
            return false;
        }
        done->push_back(previous);
    }
    for (const std::string& name : set.getRemovals()) {
        std::string path = pathOf(folder, name);
        if (!isFile(path)) {
            continue;
        }
        Previous previous{name, true, std::string()};
        if (!ZDFileStamp::readFile(path, &previous.bytes) || !removeFile(path)) {
            return false;
        }
        done->push_back(previous);
    }
    return true;
}

// Puts back what the failed save changed, newest first; the journal goes only when all of it
// is back, otherwise it stays for the next open to complete the save instead.
void ZDSaveJournal::rollBack(const std::string& folder, const std::vector<Previous>& done)
{
    bool ok = true;
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
        std::string path = pathOf(folder, it->name);
        ok = (it->existed ? writeFile(path, it->bytes) : removeFile(path)) && ok;
    }
    if (!ok) {
        HLOG_INFO("commit:error roll back");
        return;
    }
    if (!removeFile(pathOf(folder, FILE_NAME))) {
        HLOG_INFO("commit:error journal remove");
    }
}

ZDSaveJournal::Outcome ZDSaveJournal::finish(const std::string& folder, const std::string& areaDataName)
{
    std::vector<std::string> bases = {areaDataName, FILE_NAME};
    std::string journal = pathOf(folder, FILE_NAME);
    Outcome outcome = NOTHING;
    if (isFile(journal)) {
        HLOG_START("finish");
        std::string bytes;
        ZDFileSet set;
        std::vector<Previous> done;
        if (!ZDFileStamp::readFile(journal, &bytes)) {
            HLOG_INFO("finish:error journal read");
            outcome = NOT_FINISHED;
        } else if (!ZDFileSet::fromBytes(bytes.data(), bytes.size(), &set)) {
            HLOG_INFO("finish:error journal damaged");
            outcome = HSystem::get().replaceFile(journal, pathOf(folder, DAMAGED_NAME)) ? DAMAGED
                                                                                        : NOT_FINISHED;
        } else if (!apply(folder, set, &done) || !removeFile(journal)) {
            HLOG_INFO("finish:error file write");
            outcome = NOT_FINISHED;
        } else {
            outcome = FINISHED;
        }
        for (const ZDFileSet::File& file : set.getWrites()) {
            bases.push_back(file.name);
        }
        HLOG_END("finish");
    }
    removeTemporaries(folder, bases);
    return outcome;
}

void ZDSaveJournal::removeTemporaries(const std::string& folder, const std::vector<std::string>& bases)
{
    std::vector<std::string> names;
    if (!HSystem::get().listFiles(folder, &names)) {
        return;
    }
    for (const std::string& name : names) {
        size_t cut = name.rfind(".tmp");
        if (cut == std::string::npos) {
            continue;
        }
        std::string base = name.substr(0, cut);
        bool own = ZDAreaMapData::isMapFileName(base);
        for (const std::string& known : bases) {
            own = own || base == known;
        }
        // A temporary that a running writer holds cannot be removed, and stays.
        if (own && HFileWriter::isTemporaryOf(name, base) && !HSystem::get().removeFile(pathOf(folder, name))) {
            HDebug::debug("finish:temporary kept=%s", name.c_str());
        }
    }
}
