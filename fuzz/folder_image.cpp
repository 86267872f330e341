#include "folder_image.h"

namespace {

bool isPlainName(std::string_view part) {
    if (part.empty() || part.size() > 64 || part == "." || part == "..") return false;
    for (char c : part) {
        const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                        c == '-' || c == '_';
        if (!ok) return false;
    }
    return true;
}

std::vector<std::string_view> parts(std::string_view path) {
    std::vector<std::string_view> out;
    for (std::size_t at = 0;;) {
        const std::size_t slash = path.find('/', at);
        out.push_back(path.substr(at, slash == std::string_view::npos ? std::string_view::npos : slash - at));
        if (slash == std::string_view::npos) return out;
        at = slash + 1;
    }
}

}  // namespace

bool isLayableName(std::string_view relative) {
    const std::vector<std::string_view> p = parts(relative);
    for (std::string_view part : p)
        if (!isPlainName(part)) return false;
    if (p.size() == 2) return p[0] == "Data" || p[0] == "Zip" || p[0] == "Export";
    return p.size() == 3 && p[0] == "Backup";
}

FolderImage parseFolderImage(std::string_view input) {
    FolderImage image;
    std::size_t at = input.find(kFileMarker);
    image.steering = input.substr(0, at);
    while (at != std::string_view::npos) {
        const std::size_t nameAt = at + kFileMarker.size();
        const std::size_t nameEnd = input.find('\n', nameAt);
        if (nameEnd == std::string_view::npos) break;
        const std::size_t next = input.find(kFileMarker, nameEnd);
        const std::string name(input.substr(nameAt, nameEnd - nameAt));
        const std::string_view bytes =
            input.substr(nameEnd + 1, next == std::string_view::npos ? std::string_view::npos : next - nameEnd - 1);
        if (isLayableName(name)) image.files.emplace_back(name, bytes);
        at = next;
    }
    return image;
}

std::string makeFolderImage(std::string_view steering, const std::vector<std::pair<std::string, std::string>>& files) {
    std::string out(steering);
    for (const auto& [name, bytes] : files) out += std::string(kFileMarker) + name + "\n" + bytes;
    return out;
}
