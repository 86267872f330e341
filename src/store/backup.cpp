#include "store/backup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "store/file_io.h"

namespace fs = std::filesystem;

namespace {

// The files of Data/ a copy holds: not what a save in progress writes, nor a file that would
// stand in the place of the copy's note (none of the program's).
bool copied(const fs::directory_entry& e, std::error_code& ec) {
    const std::string name = e.path().filename().string();
    const std::string journal = fs::path(files::kJournal).filename().string();
    return e.is_regular_file(ec) && !name.ends_with(fileio::kTemporarySuffix) && name != journal && name != kBackupNote;
}

// Copies each file of Data/ into building and syncs it; the folder is synced once at the end.
bool copyDataFiles(const fs::path& data, const fs::path& building, BackupOperation op) {
    std::error_code ec;
    for (fs::directory_iterator it(data, ec), end; !ec && it != end; it.increment(ec)) {
        if (!copied(*it, ec)) continue;
        const auto bytes = fileio::readAll(it->path().string());
        if (!bytes || !fileio::writeSyncedFile((building / it->path().filename()).string(), *bytes)) return false;
    }
    return !ec && fileio::writeSyncedFile((building / kBackupNote).string(), backupNoteText(op)) &&
           fileio::syncBuiltFolder(building.string());
}

// Removes a copy. It takes its temporary name first, and that name lasts before anything inside
// goes: a removal stopped halfway never leaves part of a copy under a copy's name, and start-up
// removes the rest.
void removeCopy(const fs::path& copy) {
    const std::string temporary = copy.string() + std::string(fileio::kTemporarySuffix);
    fileio::removeTree(temporary);
    if (fileio::renamePath(copy.string(), temporary) && fileio::syncFolder(copy.parent_path().string()))
        fileio::removeTree(temporary);
}

}  // namespace

DataBackup::DataBackup(std::string workRoot, std::string folder, SaveResult result)
    : workRoot_(std::move(workRoot)),
      folder_(std::move(folder)),
      relative_(std::string(files::kBackupFolder) + "/" + folder_),
      result_(std::move(result)) {
    if (!result_) folder_.clear();
}

DataBackup::DataBackup(DataBackup&& other) noexcept
    : workRoot_(std::move(other.workRoot_)),
      folder_(std::exchange(other.folder_, std::string())),
      relative_(std::move(other.relative_)),
      result_(std::move(other.result_)) {}

DataBackup::~DataBackup() {
    if (folder_.empty()) return;
    removeCopy(backupRoot() / folder_);
}

fs::path DataBackup::backupRoot() const {
    return fs::path(workRoot_) / files::kBackupFolder;
}

DataBackup DataBackup::make(const DataDir& dir, const LocalDateTime& now, BackupOperation op) {
    const fs::path root = fs::path(dir.root()) / files::kBackupFolder;
    std::error_code ec;
    // Backup/ itself, made for the first copy: its name must last as the copy's does.
    const bool ready =
        fs::is_directory(root, ec) || (fileio::makeFolder(root.string()) && fileio::syncFolder(dir.root()));
    BackupName n{now, 1};
    auto taken = [&](const std::string& name) {
        return fs::exists(root / name, ec) || fs::exists(root / (name + std::string(fileio::kTemporarySuffix)), ec);
    };
    while (taken(backupFolderName(n))) ++n.sequence;
    const std::string name = backupFolderName(n);
    const fs::path target = root / name;
    const fs::path building = root / (name + std::string(fileio::kTemporarySuffix));
    const std::string relative = std::string(files::kBackupFolder) + "/" + name;

    bool ok = ready && fileio::makeFolder(building.string()) &&
              copyDataFiles(fs::path(dir.root()) / "Data", building, op) &&
              fileio::renamePath(building.string(), target.string());
    // The new name must last too: a copy still under its temporary name is removed at start-up.
    ok = ok && fileio::syncFolder(root.string());
    if (!ok) {
        SaveResult failed = SaveResult::failed(relative);
        fileio::removeTree(building.string());
        if (fs::exists(target, ec)) removeCopy(target);
        return DataBackup(dir.root(), name, std::move(failed));
    }
    return DataBackup(dir.root(), name, SaveResult::saved());
}

void DataBackup::keep() {
    if (folder_.empty()) return;
    const std::string made = std::exchange(folder_, std::string());
    std::vector<BackupEntry> others;
    for (BackupEntry& e : listBackups(DataDir(workRoot_)))
        if (e.folder != made) others.push_back(std::move(e));
    // listBackups gives the newest first.
    for (std::size_t i = kBackupsKept - 1; i < others.size(); ++i) removeCopy(backupRoot() / others[i].folder);
}

void removeUnfinishedBackups(const DataDir& dir) {
    const fs::path root = fs::path(dir.root()) / files::kBackupFolder;
    std::vector<fs::path> unfinished;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_directory(ec) && name.ends_with(fileio::kTemporarySuffix) &&
            parseBackupName(name.substr(0, name.size() - fileio::kTemporarySuffix.size())))
            unfinished.push_back(it->path());
    }
    for (const fs::path& p : unfinished) fileio::removeTree(p.string());
}
