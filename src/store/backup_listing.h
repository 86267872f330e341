#pragma once
// The copies of Data/ in Backup/: their folder names (Data-YYYYMMDD-HHMMSS, with -2, -3, …
// for a second copy in the same second), the note inside each that names the operation that
// made it, and the list of them, newest first.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/calendar.h"
#include "store/data_dir.h"

enum class BackupOperation { ChangeOver, TermDeletion, Suspension, Withdrawal, Return, Restore, Import };

// The name of an operation as the note and the screens write it (UTF-8): 節の更新, 最新節の削除,
// 休会, 退会, 復帰, 復元, 取込.
std::string_view backupOperationName(BackupOperation op);

// The note inside every copy: one line naming the operation.
inline constexpr const char* kBackupNote = "Operation.txt";
std::string backupNoteText(BackupOperation op);
// The operation a note names; nothing for a note that names none (empty, damaged, foreign).
std::optional<BackupOperation> parseBackupNote(std::string_view text);

struct BackupName {
    LocalDateTime made;
    int sequence = 1;  // 1, or the number after a second dash
};
// "Data-20261208-100000" or "Data-20261208-100000-2"; nothing for any other name.
std::optional<BackupName> parseBackupName(std::string_view folder);
std::string backupFolderName(const BackupName& n);
// Older first: by the moment, then by the sequence.
bool backupBefore(const BackupName& a, const BackupName& b);

struct BackupEntry {
    std::string folder;  // "Data-20261208-100000"
    BackupName name;
    std::optional<BackupOperation> operation;  // nothing when the note is missing or unknown
    bool whole = false;                        // holds the results file and the team register
};

// What a copy is, from its folder name and the names and note of what it holds. Nothing when
// the folder name is not a copy's.
std::optional<BackupEntry> describeBackup(std::string_view folder, const std::vector<std::string>& files,
                                          std::optional<std::string_view> note);

// Every finished copy in Backup/, newest first.
std::vector<BackupEntry> listBackups(const DataDir& dir);
