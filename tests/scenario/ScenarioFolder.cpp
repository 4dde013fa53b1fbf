#include "tests/scenario/ScenarioFolder.h"

#include <cstdio>
#include <filesystem>

#include "sample/SGChipPainter.h"
#include "scenario/ZDFileStamp.h"
#include "sample/SGScenario.h"
#include "tests/support/TestFolder.h"

namespace fs = std::filesystem;

namespace {

// The generated scenario, kept beside the test folders for the program's length.
const fs::path& generated()
{
    static fs::path root = [] {
        fs::path base = fs::temp_directory_path() / "tessel-tests" /
                        ("islands-" + std::to_string(fs::file_time_type::clock::now().time_since_epoch().count()));
        fs::create_directories(base);
        std::string characters = SGChipPainter::characterSheet().toBmp();
        std::string objects = SGChipPainter::objectSheet().toBmp();
        SGScenario::write(SGScenario::sampleGame()[1], TestFolder::systemForm(base.string()), characters,
                          objects);
        return base;
    }();
    return root;
}

struct Cleanup {
    ~Cleanup()
    {
        std::error_code ignored;
        fs::remove_all(generated(), ignored);
    }
};

}  // namespace

namespace ScenarioFolder {

void make(const std::string& name)
{
    const fs::path& root = generated();
    static Cleanup cleanup;  // made after the root, so gone before it
    fs::copy(root / "Islands", TestFolder::native(name), fs::copy_options::recursive);
}

Files files(const std::string& folder)
{
    Files all;
    for (const auto& entry : fs::directory_iterator(TestFolder::native(folder))) {
        if (entry.is_regular_file()) {
            std::string name = entry.path().filename().string();
            all[name] = TestFolder::read(folder + "\\" + name);
        }
    }
    return all;
}

std::string summary(const Files& files)
{
    std::string text;
    for (const auto& file : files) {
        char hash[32];
        snprintf(hash, sizeof(hash), "%016llx", static_cast<unsigned long long>(ZDFileStamp::hash(file.second)));
        text += file.first + " " + std::to_string(file.second.size()) + " " + hash + "\n";
    }
    return text;
}

void put(const std::string& folder, const Files& files)
{
    for (const auto& entry : files) {
        TestFolder::write(folder + "\\" + entry.first, entry.second);
    }
    for (const auto& entry : fs::directory_iterator(TestFolder::native(folder))) {
        if (entry.is_regular_file() && files.count(entry.path().filename().string()) == 0) {
            fs::remove(entry.path());
        }
    }
}

}  // namespace ScenarioFolder
