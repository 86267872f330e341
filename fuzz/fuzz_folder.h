#pragma once
// What every fuzz target shares: one working folder per process, laid afresh for each input
// and started on as the program starts, then worked on as the screens work on it.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"

// The model and folder stay valid until the next call that lays the folder.
struct FuzzFolder {
    LeagueModel model;
    DataDir dir;
};

// The day every fuzzed run takes as today, and the moment of its backups.
inline constexpr CalendarDate kFuzzToday{2026, 12, 8};
inline constexpr LocalDateTime kFuzzNow{2026, 12, 8, 10, 0, 0};

// Writes the input as one file (relative, e.g. "Data/Info.001") and nothing else: for the
// targets that run a reader alone. Other files the target laid before stay as they were.
FuzzFolder& layFile(const char* relative, const std::uint8_t* data, std::size_t size);

// Empties the folder, writes the input as the file given and loads the league from it.
// besideIt: other files laid before the start, as (relative path, bytes) pairs.
FuzzFolder& startOn(const char* relative, const std::uint8_t* data, std::size_t size,
                    std::initializer_list<std::pair<const char*, std::string>> besideIt = {});

// Empties the folder, lays every file of a folder image (see folder_image.h) and loads the
// league; the image's steering bytes are returned in *steering.
FuzzFolder& startOnImage(const std::uint8_t* data, std::size_t size, std::string_view* steering);

// For the rest of this input, by choice: the disk is full (0), one of the three files a big
// operation rewrites refuses every write (1 to 3), or nothing fails (any other choice).
void failWrites(int choice);

// A results file holding two terms, so that deleting the newest one is offered.
std::string twoTermResults();

// Everything the screens do with a league, each result ignored but every byte touched:
// show every group of every term, click results, type names and details, move teams,
// choose terms.
void workOn(FuzzFolder& f);

// Every regular file of Data/ by name, for checking what an operation changed.
std::map<std::string, std::string> dataFiles(const DataDir& dir);

// Ends the run as a crash, naming the broken promise, when condition is false.
void require(bool condition, const char* promise);
