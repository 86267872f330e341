#include "layering/include_rules.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {

// The Qt-free core: each folder and the folders it may include. session calls every
// subsystem, every subsystem stands on store, league builds on standings (ranks, terms),
// contacts on league (team names), and print reads standings' result codes.
const std::map<std::string, std::set<std::string>> kCoreArrows = {
    {"store", {}},
    {"standings", {"store"}},
    {"league", {"standings", "store"}},
    {"contacts", {"league", "standings", "store"}},
    {"print", {"standings", "store"}},
    {"session", {"contacts", "league", "print", "standings", "store"}},
};

bool isCore(const std::string& layer) {
    return kCoreArrows.count(layer) > 0;
}

bool isAreaUi(const std::string& layer) {
    return layer.size() > 3 && layer.compare(layer.size() - 3, 3, "/ui") == 0 &&
           isCore(layer.substr(0, layer.size() - 3));
}

// "store", "league/ui", "form", "app"; empty for a path outside every known folder.
std::string layerOf(const std::vector<std::string>& parts) {
    if (parts.empty()) return "";
    const std::string& top = parts[0];
    if (top == "app" || top == "form") return top;
    if (!isCore(top)) return "";
    return parts.size() > 2 && parts[1] == "ui" ? top + "/ui" : top;
}

std::vector<std::string> split(const std::string& path) {
    std::vector<std::string> parts;
    for (const auto& p : fs::path(path)) parts.push_back(p.string());
    return parts;
}

// Why from may not include to; empty when it may. app (and the entry beside it) is the top
// floor; form serves every area; an area's ui/ stands on form and the core, never on another
// area's widgets; the core only on the folders below it.
std::string refusal(const std::string& from, const std::string& to) {
    if (from == to || from == "app") return "";
    if (from == "form") return isCore(to) ? "" : "form may not depend on " + to;
    if (isAreaUi(from)) return to == "form" || isCore(to) ? "" : from + " may not depend on " + to;
    if (isCore(from)) return kCoreArrows.at(from).count(to) ? "" : from + " may not depend on " + to;
    return "";
}

bool isQtHeader(const std::string& header) {
    return header.size() > 1 && header[0] == 'Q' &&
           (std::isupper(static_cast<unsigned char>(header[1])) || header.rfind("Qt", 0) == 0);
}

void checkFile(const fs::path& root, const fs::path& file, std::vector<IncludeViolation>& out) {
    const std::string relative = fs::relative(file, root).generic_string();
    const std::vector<std::string> parts = split(relative);
    // A file beside the folders (the process entry) sits on the top floor with app.
    const std::string from = parts.size() == 1 ? "app" : layerOf(parts);
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::ifstream in(file);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
        std::smatch m;
        if (!std::regex_search(line, m, include)) continue;
        const std::string header = m[2];
        auto flag = [&](std::string reason) { out.push_back({relative, n, header, std::move(reason)}); };
        if (from.empty()) {
            flag("the folder of this file has no place in the layering rules");
        } else if (m[1] == "<") {
            if (isCore(from) && isQtHeader(header)) flag("the core may not include Qt");
        } else if (header.find('/') != std::string::npos) {
            const std::string to = layerOf(split(header));
            if (to.empty())
                flag("names no folder of src/");
            else if (std::string why = refusal(from, to); !why.empty())
                flag(why);
        }
    }
}

}  // namespace

std::vector<IncludeViolation> checkIncludes(const fs::path& root) {
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(root)) {
        const std::string ext = e.path().extension().string();
        if (e.is_regular_file() && (ext == ".h" || ext == ".cpp")) files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<IncludeViolation> out;
    for (const fs::path& f : files) checkFile(root, f, out);
    return out;
}

std::string describe(const IncludeViolation& v) {
    return v.file + ":" + std::to_string(v.line) + ": includes " + v.included + ": " + v.reason;
}
