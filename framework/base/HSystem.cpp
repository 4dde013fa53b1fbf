#include "framework/base/HSystem.h"

namespace {

HSystem* g_installed = nullptr;  // not owned

}  // namespace

HSystem& HSystem::get()
{
    static HSystem native;
    return g_installed != nullptr ? *g_installed : native;
}

HSystem* HSystem::install(HSystem* system)
{
    HSystem* previous = g_installed;
    g_installed = system;
    return previous;
}
