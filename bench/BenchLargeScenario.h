#pragma once

#include <filesystem>

// The generated scenario of many areas that the editor's benchmarks open ("Large" under the
// folder), written afresh into a folder of the temporary directory.
class BenchLargeScenario {
public:
    // The folder written, or an empty path when the scenario could not be written.
    static std::filesystem::path write(const char* folderName, int areas);
};
