// Makes the sample game: an install folder with three scenarios whose maps, area lists and
// chip bitmaps this project draws itself, from fixed seeds, so every run writes the same bytes;
// and the music its areas name, composed here too.
//
//   tessel_sample.exe [folder]    (default: "game" in the current folder)
#include <cstdio>
#include <set>
#include <string>

#include "framework/base/HFile.h"
#include "framework/base/HFileWriter.h"
#include "sample/SGBorderFile.h"
#include "sample/SGChipPainter.h"
#include "sample/SGMusic.h"
#include "sample/SGScenario.h"

int main(int argc, char** argv)
{
    std::string root = argc > 1 ? argv[1] : "game";
    HFile folder(root);
    if (!folder.exists()) {
        folder.makeDirectory();
    }
    if (folder.getType() != HFile::TYPE_DIRECTORY) {
        printf("error: cannot make the folder %s\n", root.c_str());
        return 1;
    }
    std::string characterBmp = SGChipPainter::characterSheet().toBmp();
    std::string objectBmp = SGChipPainter::objectSheet().toBmp();
    std::set<std::string> music;
    for (const SGScenario::Outline& outline : SGScenario::sampleGame()) {
        if (!SGScenario::write(outline, root, characterBmp, objectBmp)) {
            return 1;
        }
        for (const SGScenario::Area& area : outline.areas) {
            if (!area.music.empty()) {
                music.insert(area.music);
            }
        }
    }
    if (!SGMusic::write(root, std::vector<std::string>(music.begin(), music.end()))) {
        return 1;
    }
    // The editor reads the border file from its working folder: started in the game's folder it
    // takes this one.
    const std::string border = SGBorderFile::sample();
    HFileWriter writer{HFile(root + "\\border.ini")};
    if (!writer.open() || !writer.write(border.data(), static_cast<uint32_t>(border.size()))
        || !writer.close()) {
        printf("error: cannot write %s\\border.ini\n", root.c_str());
        return 1;
    }
    printf("sample game written to %s\n", folder.getFullPath().c_str());
    return 0;
}
