#pragma once
// Writes the three dictionary files into WORKFOLDER/Zip/: ZipNo.txt (500-byte records),
// ZipNo.idx (23-byte code keys) and ZipKana.idx (202-byte readings), sorted by code.

#include <string>
#include <vector>

#include "postal_dictionary/dictionary_entry.h"
#include "postal_dictionary/progress.h"

namespace postal_build {

// The three lines of one entry, each cut to its widths at character boundaries. Sets
// *cut when any text had to be cut.
struct DictionaryLines {
    std::string record;        // 500 bytes
    std::string codeEntry;     // 23 bytes
    std::string readingEntry;  // 202 bytes
};
DictionaryLines formatEntry(const DictionaryEntry& entry, bool* cut);

// Sorts the entries by code (entries of one code keep their order) and writes the files.
// Each file is written under a temporary name first; the old dictionary is replaced only
// when all three are complete, and ZipNo.txt goes into place last, so that a dictionary
// cut short by a crash reads as a missing one rather than as a wrong one.
bool writeDictionary(const std::string& workFolder, std::vector<DictionaryEntry>& entries, BuildReport& report,
                     Progress& progress, std::string* error);

}  // namespace postal_build
