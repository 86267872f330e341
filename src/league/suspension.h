#pragma once
// Withdrawal (退会), suspension (休会) and return (復帰) of teams. Each rewrites the term being
// shown in Data/Seiseki.001, Data/Info.001 and, when the suspended list changes, Data/Kyuubu.001
// as one save, so that a team is never both on the list and in a group, nor in neither. Every
// changed group's counts, rate and ranks are worked out again.

#include <optional>
#include <vector>

#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

enum class Leaving { Withdrawal, Suspension };

struct LineUpRequest {
    int termSlot = 0;
    int groupSlot = 0;
    int row = 0;                   // 0..9
    bool linked = true;            // later groups move too, so that each keeps its count
    bool keepManualRanks = false;  // ranks are kept by hand: counts are worked out, ranks stay
};

// When a moment is given, the changes below copy Data/ to Backup/ first (named for it) and keep
// the copy only when the change went through.
using BackupMoment = std::optional<LocalDateTime>;

enum class LineUpOutcome {
    Done,
    NoTeam,            // no team in the row, or no such suspended team
    ListFull,          // the suspended list already holds 100 teams
    GroupFull,         // unlinked return into a group of 10
    NoGroupLeft,       // a linked return would push a team past the twentieth group
    NoRegisterRecord,  // Data/Info.001 has no free record for the returning team's details
    BackupFailed,      // Data/ could not be copied first; nothing changed
    NotSaved,          // a file could not be read or written; nothing changed
};

struct LineUpResult {
    LineUpOutcome outcome = LineUpOutcome::NoTeam;
    SaveResult saved = SaveResult::saved();  // names the file at fault when not saved
    int arrivalRow = -1;                     // the row a returned team now stands in
};

// The team in the requested row leaves its group; a suspended team goes onto the list with its
// details first. On success suspendedCount, termTeamCount and registeredTeams follow the files.
LineUpResult removeTeam(LeagueModel& m, const DataDir& dir, const LineUpRequest& at, Leaving how,
                        BackupMoment backupAt = std::nullopt);

// Suspended team k (0-based) comes back into the requested row with blank results and the
// details it had, and leaves the list. On success it is the current team.
LineUpResult returnTeam(LeagueModel& m, const DataDir& dir, const LineUpRequest& at, int k,
                        BackupMoment backupAt = std::nullopt);

// Suspended team k (0-based) leaves the list for good (退会); the line-up is not touched.
LineUpResult withdrawSuspended(LeagueModel& m, const DataDir& dir, int k, BackupMoment backupAt = std::nullopt);

// The group slots, in order, whose line-up a removal from (or a return into) the requested row
// would change; empty when the change would be refused.
std::vector<int> groupsChangedByRemoval(const DataDir& dir, const LineUpRequest& at);
std::vector<int> groupsChangedByReturn(const DataDir& dir, const LineUpRequest& at);
