#pragma once
// Records and whole files as the data folder holds them, for laying fixtures and for
// checking bytes on disk. Names are given in UTF-8 and stored in Shift-JIS.

#include <initializer_list>
#include <string>
#include <utility>

#include "store/capacities.h"

extern const std::string kEmptyResult;  // 45 blanks and a line feed
extern const std::string kEmptyTeam;    // 999 blanks and a line feed

// A name as a 20-byte field.
std::string name20(const std::string& utf8Name);

// A result record: the name, then the rest (results, counts, rate, rank) as given, blank-padded
// to 44 bytes, then a blank and a line feed.
std::string resultRecord(const std::string& utf8Name, const std::string& rest = std::string());

// The results file header with the given term keys ("220221").
std::string resultsHeader(const std::string& keys);

// A block of 200 empty result records with the given records in place (record number, record).
std::string termBlock(std::initializer_list<std::pair<int, std::string>> records = {});

// A team record with a representative, a team name and the memo filled with a byte.
std::string teamRecord(const std::string& representative, const std::string& utf8Name, char memoFill = ' ');

// A register of 200 records with the given records in place (record number, record).
std::string teamRegister(std::initializer_list<std::pair<int, std::string>> records = {});

// Byte offsets.
long resultAt(int slot, int recordNo);  // record recordNo of term slot slot in Data/Seiseki.001
inline long teamAt(int recordNo) {
    return long(recordNo - 1) * 1000;
}
