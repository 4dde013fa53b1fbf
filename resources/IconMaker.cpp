// Writes the program's icon, drawn by RSIconPainter at the sizes Windows asks for most (the
// title bar and Explorer's small, medium and large views, and the jumbo view), into the file
// named by the argument.

#include <cstdio>
#include <string>
#include <vector>

#include "resources/RSIconFile.h"
#include "resources/RSIconPainter.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessel_icon <icon file>\n");
        return 2;
    }
    std::vector<RSIconFile::Picture> pictures;
    for (int size : {16, 32, 48, 256}) {
        pictures.push_back({size, RSIconPainter::paint(size)});
    }
    std::string bytes = RSIconFile::build(pictures);
    FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr || bytes.empty()
        || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        std::fprintf(stderr, "tessel_icon: cannot write %s\n", argv[1]);
        if (file != nullptr) {
            std::fclose(file);
        }
        return 1;
    }
    return std::fclose(file) == 0 ? 0 : 1;
}
