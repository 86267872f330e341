#pragma once
// Files written for use outside the program (CSV, the web page) into the working folder's
// Export/ folder. They are written whole under temporary names before any takes its final
// name, so a file that cannot be written leaves the older ones as they were, and a file
// under its final name is never half written.

#include <string>
#include <utility>
#include <vector>

#include "store/data_dir.h"

inline constexpr const char* kExportFolder = "Export";
inline constexpr const char* kPrintFolder = "Print";

struct ExportOutcome {
    enum Kind {
        Written,          // every file
        NothingToExport,  // the shown term has no team: nothing written
        Unreadable,       // the results file could not be read: nothing written
        NoFolder,         // Export/ could not be made: nothing written
        Failed,           // a file could not be written; only those in `written` were
    };
    Kind kind = Failed;
    std::vector<std::string> written;  // "Export/勝敗表_2026前期.csv", in the order written
    std::string failed;                // Failed: the file that could not be written, the same way
};

// Each file by its name in Export/ and its bytes, in the order they are to be written.
using ExportFiles = std::vector<std::pair<std::string, std::string>>;

// Makes Export/ when it is missing and writes the files into it, all or none.
ExportOutcome writeExportFiles(const DataDir& dir, const ExportFiles& files);

// Removes what a save of a report that was stopped half-way left behind: "name.tf-new" in
// Export/ and the hidden ".name.pdf.XXXXXX" of a PDF in Print/. Start-up runs it.
void removeStrayReportFiles(const DataDir& dir);
