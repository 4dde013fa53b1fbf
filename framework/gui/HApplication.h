#pragma once

#include <cstdint>
#include <string>

#include "framework/base/HFile.h"

struct HINSTANCE__;  // the platform's instance handle type, without the platform header

// Process-wide start-up facts and services: the instance handle and feature flags, COM and
// Direct3D start and stop, registry strings by one path, the current folder and the
// program's own path.
class HApplication {
public:
    using Instance = HINSTANCE__*;

    enum Flags : uint32_t {
        FLAG_COM = 0x2,          // initialise COM for the process
        FLAG_DIRECTX = 0x200,    // draw with Direct3D; cleared when it cannot be had
        FLAG_IDLE_DRAW = 0x400,  // the message loop draws while idle
    };

    // The registry's views (the platform's KEY_WOW64_64KEY and KEY_WOW64_32KEY).
    enum RegistryView : uint32_t {
        REGISTRY_DEFAULT = 0,
        REGISTRY_64 = 0x0100,
        REGISTRY_32 = 0x0200,
    };

    static void initializeApplication(Instance instance, Instance previous,
                                      const std::string& commandLine, int showCommand,
                                      uint32_t flags);
    static void uninitializeApplication();

    static bool isFlagSet(uint32_t mask);
    static Instance getInstanceHandle();
    static const std::string& getCommandLine();
    static int getShowCommand();

    // The program's own full path.
    static HFile getModuleFile();
    static HFile getCurrentDirectory();
    // A folder becomes current itself; a file or a path that does not exist makes its
    // folder current.
    static bool setCurrentDirectory(const HFile& file);

    // path is root "\" subkey "\" ... "\" value name, for example
    // "HKEY_LOCAL_MACHINE\SOFTWARE\Kest\Molva\Directory"; the root is one of the five
    // predefined key names, exactly as written there. The value is read into buffer, whose
    // capacity *size gives; on success *size is the bytes stored and the text is
    // zero-terminated.
    // view: which of the registry's views a 64-bit Windows shows (REGISTRY_DEFAULT: the
    // program's own).
    static bool readRegistry(const std::string& path, char* buffer, uint32_t* size,
                             uint32_t view = REGISTRY_DEFAULT);
    // The value's text, or "" when it cannot be read.
    static std::string getRegistryString(const std::string& path,
                                         uint32_t view = REGISTRY_DEFAULT);
};
