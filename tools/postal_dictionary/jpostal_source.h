#pragma once
// The JSON files of the npm package jquery-jpostal-ja: one file per first three digits,
// each a JSONP call holding rows of
//   ["_" + code, prefecture, city, town, street, business name,
//    prefecture reading, city reading, town reading]
// Rows whose code is not 7 digits (the package's three-digit summaries and its version
// stamp) are no addresses and are skipped.

#include <string>
#include <vector>

#include "postal_dictionary/dictionary_entry.h"
#include "postal_dictionary/progress.h"

namespace postal_build {

// Reads every *.json file of the folder in name order. False, with a message, when the
// folder holds no such file or a file cannot be read or parsed.
bool readJpostalFolder(const std::string& folder, std::vector<DictionaryEntry>& entries, BuildReport& report,
                       Progress& progress, std::string* error);

}  // namespace postal_build
