#pragma once
// Japan Post's own files, which a user may download: KEN_ALL.CSV (every residential code,
// with readings) and JIGYOSYO.CSV (the codes of large businesses, without readings).
// Both are Shift-JIS CSV; a UTF-8 copy is accepted as well.

#include <map>
#include <string>
#include <vector>

#include "postal_dictionary/dictionary_entry.h"
#include "postal_dictionary/progress.h"

namespace postal_build {

// Readings of the places KEN_ALL.CSV names, so that a business address can be given one.
struct PlaceReadings {
    std::map<std::string, std::string> prefectures;  // prefecture
    std::map<std::string, std::string> cities;       // prefecture + '\t' + city
    std::map<std::string, std::string> towns;        // prefecture + '\t' + city + '\t' + town before any '（'

    // The reading of prefecture + city + town, as much of it as is known.
    std::string readingOf(const std::string& prefecture, const std::string& city, const std::string& town) const;
};

// Reads KEN_ALL.CSV: a town continued over several lines (its '（' not closed on the
// first) is joined into one entry, and placeholder towns such as "以下に掲載がない場合"
// become blank. Fills readings for readJigyosyo.
bool readKenAll(const std::string& path, std::vector<DictionaryEntry>& entries, PlaceReadings& readings,
                BuildReport& report, Progress& progress, std::string* error);

// Reads JIGYOSYO.CSV: the business name goes with each code, the reading comes from
// the places of KEN_ALL.CSV.
bool readJigyosyo(const std::string& path, const PlaceReadings& readings, std::vector<DictionaryEntry>& entries,
                  BuildReport& report, Progress& progress, std::string* error);

// One CSV line split into its fields, quotes removed ("" inside quotes is one quote).
std::vector<std::string> splitCsvLine(std::string_view line);

// True for a town that stands for no town of its own ("以下に掲載がない場合",
// "…の次に番地がくる場合", "…一円").
bool isPlaceholderTown(std::string_view town);

}  // namespace postal_build
