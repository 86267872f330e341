#pragma once
// Data/Seiseki.001: a header of ten term slots, then one block of 200 result records per
// stored term, slot 0 the newest.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/record_layout.h"
#include "store/save_result.h"

inline constexpr int kTermKeyLength = 3;
inline constexpr int kResultsHeaderLength = 32;                                // ten term keys, a blank, a line feed
inline constexpr int kTermBlockLength = kTeamPositions * kResultRecordLength;  // 9200
inline constexpr long kResultsFullLength = kResultsHeaderLength + long(kTermSlots) * kTermBlockLength;

// Byte offset of record n (1..200) of term slot s.
long resultRecordOffset(int slot, int n);
// What an empty stretch of the results file holds: the header's blanks and line feed, then
// empty records.
fileio::EmptyPattern resultsFilePattern();

// A term key: the year as "%2d" and '0' for 前期 or '1' for 後期.
std::string makeTermKey(int year, int half);

// The ten term slots of the header.
struct TermHeader {
    bool readable = false;
    std::string bytes = std::string(kTermSlots * kTermKeyLength, ' ');

    std::string_view key(int slot) const { return std::string_view(bytes).substr(slot * kTermKeyLength, 3); }
    // A slot holds a term when its first byte is neither a blank nor NUL.
    bool holdsTerm(int slot) const;
    int year(int slot) const;
    int half(int slot) const {
        return layouts::field(key(slot), layouts::TermKey, term_key_field::Half) == "1" ? 1 : 0;
    }
    int storedTerms() const;
    // The slot whose key equals key, -1 when none.
    int find(std::string_view key) const;
};
TermHeader readTermHeader(const DataDir& dir);

// Which records of a term block carry a team name, counted in all and per group.
struct TeamScan {
    std::array<int, kTeamPositions> present{};
    std::array<int, kGroups> perGroup{};
    int count = 0;
};
// block: the records of one term from record 1 on; records missing at its end hold no team.
TeamScan scanTeamNames(std::string_view block);

// The 200 records of a term (empty records where the file is short). *readable tells
// whether the file could be read at all.
std::string readTermBlock(const DataDir& dir, int slot, bool* readable = nullptr);
// The ten records of group slot g in term slot s, read at once.
std::array<std::string, kTeamsPerGroup> readGroupRecords(const DataDir& dir, int termSlot, int groupSlot,
                                                         bool* readable = nullptr);
// Record recordNo (1..200) of a term, empty when it cannot be read.
std::string readResultRecord(const DataDir& dir, int termSlot, int recordNo);
// The whole file as it would be with all ten blocks: what is missing reads as empty.
std::optional<std::string> readFullImage(const DataDir& dir);
// The whole file as it is, made long enough to hold its bytes up to end; what is added reads
// as an empty stretch. Nothing when it cannot be read.
std::optional<std::string> readImageCovering(const DataDir& dir, long end);

// Header (31 blanks and a line feed) and one empty block.
SaveResult createResultsFile(const DataDir& dir);

// termTeamPresent and termTeamCount from the records of slot termSlotIndex.
bool countTermTeams(LeagueModel& m, const DataDir& dir);
// resultTeams (and teamMax) of every group and resultGroupCount, from slot 0.
bool countGroupTeams(LeagueModel& m, const DataDir& dir);

// The 20-byte name into record recordNo of term slot termSlot; when that is the term being
// shown, termTeamPresent and termTeamCount are counted again.
SaveResult writeTeamName(LeagueModel& m, const DataDir& dir, int termSlot, int recordNo, std::string_view name20);
// rows[r] written at fieldOffset of row r's record of the group, for all ten rows at once:
// one read and one write of the group's block. The bytes never reach the record's trailer.
SaveResult writeGroupFields(const DataDir& dir, int termSlot, int groupSlot, int fieldOffset,
                            const std::array<std::string, kTeamsPerGroup>& rows);
// The rank field of row (0..9) of a group.
SaveResult writeRank(const DataDir& dir, int termSlot, int groupSlot, int row, int rank);

// latestYear, termHalf, deleteAvailable and the year field from slots 0 and 1.
bool readTermSlots(LeagueModel& m, const DataDir& dir);

enum class TermLookup : int { NoTermStored = 0, Found = 1, NotFound = 2 };
struct TermSearch {
    TermLookup lookup = TermLookup::NoTermStored;
    int slot = -1;  // when found
};
TermSearch findTerm(const DataDir& dir, std::string_view key);

SaveResult setNewestKey(const DataDir& dir, std::string_view key);
// A full image with every term shifted one slot back (the tenth dropped), the new key in
// slot 0 and an empty newest block.
std::string withNewestTerm(const std::string& fullImage, std::string_view key);
// A full image without its newest term: the older ones move forward, slot 9 becomes empty.
std::string withoutNewestTerm(const std::string& fullImage);
// Starts an empty newest term, replacing the file as a whole.
SaveResult insertNewestTerm(const DataDir& dir, std::string_view key);
