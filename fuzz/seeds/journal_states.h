#pragma once
// Folders that only a stopped program or years of use leave behind, for the seeds of the
// recovery and backup targets.

#include <string>
#include <utility>
#include <vector>

#include "full_league.h"
#include "league/suspension.h"

using FolderFiles = std::vector<std::pair<std::string, std::string>>;  // relative path, bytes

// The league's Data/ as a suspension or withdrawal of its first team, a save of several files,
// leaves it when the program is stopped before each of its file steps: staged files, a
// journal, files half replaced.
std::vector<FolderFiles> stoppedSaveStates(const LeagueFiles& league, Leaving how);

// Data/ beside a Backup/ holding more copies than are kept, one of them half made.
FolderFiles backupFolder(const LeagueFiles& league);
