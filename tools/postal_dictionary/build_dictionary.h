#pragma once
// The whole build, from either input to the three files in WORKFOLDER/Zip/.

#include <string>

#include "postal_dictionary/dictionary_entry.h"
#include "postal_dictionary/progress.h"

namespace postal_build {

// From the JSON files of jquery-jpostal-ja (the package's json/ folder).
bool buildFromJpostal(const std::string& jsonFolder, const std::string& workFolder, BuildReport& report,
                      Progress& progress, std::string* error);

// From KEN_ALL.CSV and, when jigyosyo is not empty, JIGYOSYO.CSV. Either may be empty, not both.
bool buildFromKenAll(const std::string& kenAll, const std::string& jigyosyo, const std::string& workFolder,
                     BuildReport& report, Progress& progress, std::string* error);

}  // namespace postal_build
