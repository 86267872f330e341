#pragma once
// A copy of Data/ taken before an operation that cannot be undone more than once (a
// change-over, deleting a term): Backup/Data-YYYYMMDD-HHMMSS/ in the working folder. The
// newest ten copies are kept.

#include <string>

#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/save_result.h"

inline constexpr int kBackupsKept = 10;

// Copies every regular file of Data/ (temporary files aside) into a new folder named for
// the moment given, then removes the oldest copies beyond ten. A copy that cannot be made
// completely is removed again and reported; the folder name is returned in *made.
SaveResult backupDataFolder(const DataDir& dir, const LocalDateTime& now, std::string* made = nullptr);
