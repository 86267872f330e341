#pragma once
// A copy of Data/ taken before an operation that rewrites much of the league (a change-over,
// deleting a term, a suspension, withdrawal or return, a restore): Backup/Data-YYYYMMDD-HHMMSS/
// in the working folder, with a note naming the operation. The copy is kept only when its
// operation went through; then the oldest other copies are removed, ten being kept in all.

#include <filesystem>
#include <string>

#include "store/backup_listing.h"
#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/save_result.h"

inline constexpr int kBackupsKept = 10;

class DataBackup {
public:
    // Copies every regular file of Data/ (temporary files and the journal aside) into a new
    // folder named for the moment given. The copy is made under a temporary name and renamed
    // when whole and synced, so that a folder with a copy's name is always a whole copy.
    static DataBackup make(const DataDir& dir, const LocalDateTime& now, BackupOperation op);

    DataBackup(DataBackup&& other) noexcept;
    DataBackup& operator=(DataBackup&&) = delete;
    DataBackup(const DataBackup&) = delete;
    DataBackup& operator=(const DataBackup&) = delete;
    // A copy that was not kept is removed again: its operation did not go through.
    ~DataBackup();

    // Whether the copy is whole; else result() names it ("Backup/Data-…") and nothing is left.
    explicit operator bool() const { return result_.ok(); }
    const SaveResult& result() const { return result_; }
    // "Backup/Data-20261208-100000"
    const std::string& relativePath() const { return relative_; }

    // The operation went through: the copy stays, and the oldest others are removed so that
    // ten remain. The copy just made is never among them, whatever the names of the others.
    void keep();

private:
    DataBackup(std::string workRoot, std::string folder, SaveResult result);
    std::filesystem::path backupRoot() const;

    std::string workRoot_;  // the working folder
    std::string folder_;    // the copy's folder name; empty when there is nothing to remove
    std::string relative_;
    SaveResult result_;
};

// Removes the copies a stopped process left half made. Start-up runs it.
void removeUnfinishedBackups(const DataDir& dir);
