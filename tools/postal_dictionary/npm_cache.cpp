#include "npm_cache.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>

#include "build_dictionary.h"

namespace fs = std::filesystem;

namespace postal_build {

std::string cachedJsonFolder() {
    std::string cache;
    if (const char* c = std::getenv("TALLYFOLD_CACHE"); c && *c)
        cache = c;
    else if (const char* x = std::getenv("XDG_CACHE_HOME"); x && *x)
        cache = std::string(x) + "/tallyfold";
    else if (const char* h = std::getenv("HOME"); h && *h)
        cache = std::string(h) + "/.cache/tallyfold";
    return cache + "/jquery-jpostal-ja-2.14.73/package/json";
}

std::string buildFromCachedPackage() {
    if (!fs::is_directory(cachedJsonFolder())) return "";
    std::string folder = (fs::temp_directory_path() / "tallyfold-dictionary-XXXXXX").string();
    if (!::mkdtemp(folder.data())) return "";
    BuildReport report;
    Progress quiet;
    std::string error;
    if (!buildFromJpostal(cachedJsonFolder(), folder, report, quiet, &error)) return "";
    return folder;
}

}  // namespace postal_build
