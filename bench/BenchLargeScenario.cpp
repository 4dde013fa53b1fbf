#include "bench/BenchLargeScenario.h"

#include <cstdio>

#include "sample/SGChipPainter.h"
#include "sample/SGScenario.h"

std::filesystem::path BenchLargeScenario::write(const char* folderName, int areas)
{
    const std::filesystem::path root = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    std::printf("writing a scenario of %d areas\n", areas);
    std::fflush(stdout);
    if (!SGScenario::write(SGScenario::large(areas), root.string(),
                           SGChipPainter::characterSheet().toBmp(),
                           SGChipPainter::objectSheet().toBmp())) {
        return {};
    }
    return root;
}
