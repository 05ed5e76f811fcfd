#include "platform/CupsLibrary.h"

#include <dlfcn.h>

#include <map>
#include <mutex>
#include <optional>

namespace {

std::optional<CupsLibrary> load(const std::string& soname) {
    // Never closed: the functions are used until the run ends.
    void* handle = dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return std::nullopt;
    CupsLibrary library;
    bool complete = true;
#define CUPS_LIBRARY_RESOLVE(name)                                                 \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, #name)); \
    complete = complete && library.name;
    CUPS_LIBRARY_FUNCTIONS(CUPS_LIBRARY_RESOLVE)
#undef CUPS_LIBRARY_RESOLVE
    if (!complete) {
        dlclose(handle);
        return std::nullopt;
    }
    return library;
}

}  // namespace

const CupsLibrary* cupsLibrary(const std::string& soname) {
    // Each press loads it on its own thread. Never destroyed, so a thread that is still waiting
    // for the service when the run ends keeps its functions.
    static std::mutex lock;
    static auto&
        loaded =  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables): the cache itself
        *new std::map<std::string, std::optional<CupsLibrary>>;
    std::lock_guard hold(lock);
    auto found = loaded.find(soname);
    if (found == loaded.end())
        found = loaded.emplace(soname, load(soname)).first;
    return found->second ? &*found->second : nullptr;
}
