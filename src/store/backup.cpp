#include "store/backup.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "store/file_io.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "Data-";

std::string folderName(const LocalDateTime& t) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "Data-%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute,
                  t.second);
    return buf;
}

bool isTemporary(const std::string& name) {
    return name.size() >= fileio::kTemporarySuffix.size() &&
           name.compare(name.size() - fileio::kTemporarySuffix.size(), std::string::npos, fileio::kTemporarySuffix) ==
               0;
}

// Keeps the newest copies; names sort by their time.
void pruneOldCopies(const fs::path& root) {
    std::vector<std::string> copies;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.rfind(kPrefix, 0) != 0 || !it->is_directory(ec)) continue;
        if (isTemporary(name))
            fs::remove_all(it->path(), ec);  // a copy a stopped process never finished
        else
            copies.push_back(name);
    }
    std::sort(copies.begin(), copies.end());
    for (std::size_t i = 0; i + kBackupsKept < copies.size(); ++i) fs::remove_all(root / copies[i], ec);
}

}  // namespace

SaveResult backupDataFolder(const DataDir& dir, const LocalDateTime& now, std::string* made) {
    const fs::path root = fs::path(dir.root()) / files::kBackupFolder;
    std::error_code ec;
    fs::create_directories(root, ec);
    std::string name = folderName(now);
    for (int n = 2; fs::exists(root / name, ec); ++n) name = folderName(now) + "-" + std::to_string(n);
    // The copy is made under a temporary name and renamed when whole, so that a folder with
    // the final name is always a complete copy.
    const fs::path target = root / name;
    const fs::path building = root / (name + std::string(fileio::kTemporarySuffix));
    const std::string relative = std::string(files::kBackupFolder) + "/" + name;
    fs::remove_all(building, ec);
    if (!fs::create_directory(building, ec)) return SaveResult::failed(relative);

    bool ok = true;
    for (fs::directory_iterator it(fs::path(dir.root()) / "Data", ec), end; ok && !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (!it->is_regular_file(ec) || isTemporary(file)) continue;
        auto bytes = fileio::readAll(it->path().string());
        ok = bytes && fileio::replaceFile((building / file).string(), *bytes);
    }
    if (!ok || ec || !fileio::renamePath(building.string(), target.string())) {
        fs::remove_all(building, ec);
        return SaveResult::failed(relative);
    }
    fileio::syncFolder(root.string());
    pruneOldCopies(root);
    if (made) *made = relative;
    return SaveResult::saved();
}
