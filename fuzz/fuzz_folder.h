#pragma once
// What every fuzz target shares: one working folder per process whose one data file is the
// input, started on as the program starts, then worked on as the screens work on it.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "store/data_dir.h"
#include "store/league_model.h"

// Empties the folder, writes the input as the file given (relative, e.g. "Data/Info.001"),
// and loads the league from it. The model and folder stay valid until the next call.
struct FuzzFolder {
    LeagueModel model;
    DataDir dir;
};
// besideIt: other files laid before the start, as (relative path, bytes) pairs.
FuzzFolder& startOn(const char* relative, const std::uint8_t* data, std::size_t size,
                    std::initializer_list<std::pair<const char*, std::string>> besideIt = {});

// A results file holding two terms, so that deleting the newest one is offered.
std::string twoTermResults();

// Everything the screens do with a league, each result ignored but every byte touched:
// show every group of every term, click results, type names, move teams, choose terms.
void workOn(FuzzFolder& f);
