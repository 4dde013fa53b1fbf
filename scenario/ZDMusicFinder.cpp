#include "scenario/ZDMusicFinder.h"

#include <algorithm>
#include <vector>

#include "framework/base/HFindFiles.h"
#include "framework/base/HText.h"

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

// A name that stays inside the folder it is joined to: no drive, no leading separator, no
// empty part, no "." or ".." part. The second byte of a Shift-JIS character is never taken
// for a separator.
bool staysInside(const std::string& name)
{
    if (name.empty() || name.find(':') != std::string::npos) {
        return false;
    }
    std::string part;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && HText::isDoubleByte(name.data(), name.size(), i)) {
            part.append(name, i, 2);
            ++i;
            continue;
        }
        if (i == name.size() || isSeparator(name[i])) {
            if (part.empty() || part == "." || part == "..") {
                return false;
            }
            part.clear();
        } else {
            part += name[i];
        }
    }
    return true;
}

// A dot in the last part of the name.
bool hasExtension(const std::string& name)
{
    bool dot = false;
    for (size_t i = 0; i < name.size(); ++i) {
        if (HText::isDoubleByte(name.data(), name.size(), i)) {
            ++i;
        } else if (isSeparator(name[i])) {
            dot = false;
        } else if (name[i] == '.') {
            dot = true;
        }
    }
    return dot;
}

// Folder paths compared as Windows compares them: letters in either case, no trailing
// separator.
std::string folderKey(const HFile& folder)
{
    std::string key = folder.getFullPath();
    while (!key.empty() && isSeparator(key.back())) {
        key.pop_back();
    }
    for (size_t i = 0; i < key.size(); ++i) {
        if (HText::isDoubleByte(key.data(), key.size(), i)) {
            ++i;
        } else if (key[i] >= 'A' && key[i] <= 'Z') {
            key[i] = static_cast<char>(key[i] - 'A' + 'a');
        }
    }
    return key;
}

// The sub-folders of a folder in the order of their names, leaving out skip.
std::vector<HFile> subFolders(const HFile& folder, const std::string& skip)
{
    std::vector<HFile> listed;
    HFindFiles::getDirectories(folder, &listed);
    std::vector<std::pair<std::string, HFile>> named;
    for (const HFile& entry : listed) {
        const std::string& name = entry.getName();
        if (name != "." && name != ".." && (skip.empty() || folderKey(entry) != skip)) {
            named.emplace_back(folderKey(entry), entry);
        }
    }
    std::sort(named.begin(), named.end(),
              [](const std::pair<std::string, HFile>& a, const std::pair<std::string, HFile>& b) {
                  return a.first < b.first;
              });
    std::vector<HFile> folders;
    for (const auto& entry : named) {
        folders.push_back(entry.second);
    }
    return folders;
}

HFile search(const HFile& root, const std::vector<std::string>& names, const std::string& skip)
{
    if (root.isEmpty() || root.getType() != HFile::TYPE_DIRECTORY) {
        return HFile();
    }
    std::vector<HFile> level = {root};
    int looked = 0;
    for (int depth = 0; depth <= ZDMusicFinder::DEPTH && !level.empty(); ++depth) {
        for (const HFile& folder : level) {
            for (const std::string& name : names) {
                HFile file(folder.getPath(), name);
                if (file.getType() == HFile::TYPE_FILE) {
                    return file;
                }
            }
        }
        if (depth == ZDMusicFinder::DEPTH) {
            break;
        }
        std::vector<HFile> next;
        for (const HFile& folder : level) {
            if (++looked > ZDMusicFinder::FOLDER_LIMIT) {
                return HFile();
            }
            std::vector<HFile> below = subFolders(folder, skip);
            next.insert(next.end(), below.begin(), below.end());
        }
        level.swap(next);
    }
    return HFile();
}

}  // namespace

HFile ZDMusicFinder::find(const std::string& name, const HFile& scenario, const HFile& game)
{
    if (!staysInside(name)) {
        return HFile();
    }
    std::vector<std::string> names = {name};
    if (!hasExtension(name)) {
        names.push_back(name + ".mid");
    }
    HFile found = search(scenario, names, std::string());
    if (found.isEmpty()) {
        found = search(game, names, scenario.isEmpty() ? std::string() : folderKey(scenario));
    }
    return found;
}
