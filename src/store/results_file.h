#pragma once
// Data/Seiseki.001: a header of ten term slots, then one block of 200 result records per
// stored term, slot 0 the newest.

#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"

inline constexpr int kResultsHeaderLength = 32;
inline constexpr int kResultRecordLength = 46;
inline constexpr int kTermBlockLength = kTeamPositions * kResultRecordLength;  // 9200
inline constexpr long kResultsFullLength = kResultsHeaderLength + long(kTermSlots) * kTermBlockLength;

// Byte offset of record n (1..200) of term slot s.
long resultRecordOffset(int slot, int n);

// A term key: the year as "%2d" and '0' for 前期 or '1' for 後期.
std::string makeTermKey(int year, int half);

// The four stored characters of a win rate: "%4.3f" cut to 4, blank when no game was decided.
std::string encodeWinRate(double rate, bool played);

// Header (31 blanks and a line feed) and one empty block.
bool createResultsFile(const DataDir& dir);

// termTeamPresent and termTeamCount from the records of slot termSlotIndex.
bool countTermTeams(LeagueModel& m, const DataDir& dir);
// resultTeams (and teamMax) of every group and resultGroupCount, from slot 0.
bool countGroupTeams(LeagueModel& m, const DataDir& dir);

// The record of currentRecordNo in slot termSlotIndex into resultCodec's fields. When it
// cannot be read the fields are left blank, so a row never shows another row's data.
bool readResultRecord(LeagueModel& m, const DataDir& dir);
// The team-name field buffer into the record of currentRecordNo, then recounts termTeamCount.
bool writeTeamName(LeagueModel& m, const DataDir& dir);
// Bytes 20..43 (20..41 while ranks are kept by hand) of the shown group's ten records.
bool writeGroupResults(const LeagueModel& m, const DataDir& dir, bool keepStoredRanks);
// The rank field of row (0..9) of the shown group.
bool writeRank(const LeagueModel& m, const DataDir& dir, int row, int rank);

// latestYear, termHalf, deleteAvailable, the year field and the F4 caption from slots 0 and 1.
bool readTermSlots(LeagueModel& m, const DataDir& dir);

enum class TermLookup : int { NoTermStored = 0, Found = 1, NotFound = 2 };
// Looks for the 3-byte key; sets termSlotIndex when found.
TermLookup findTerm(LeagueModel& m, const DataDir& dir, std::string_view key);
bool setNewestKey(const DataDir& dir, std::string_view key);
// Shifts every term one slot back (the tenth is dropped) and starts an empty newest term.
bool insertNewestTerm(const DataDir& dir, std::string_view key);
// Removes the newest term and moves the older ones forward; then shows the new newest term
// (term slots reread, slot 0, group 1, team 1) and sets deleteDone.
bool deleteNewestTerm(LeagueModel& m, const DataDir& dir);

// Copy or blank one record within slot termSlotIndex.
bool moveRecord(const LeagueModel& m, const DataDir& dir, int fromNo, int toNo);
bool blankRecord(const LeagueModel& m, const DataDir& dir, int recordNo);
