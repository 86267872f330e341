#pragma once
// Both CSV files of the term being shown, written into the working folder's Export/ folder.
// Both are written whole under temporary names before either takes its final name, so a
// file that cannot be written leaves the older pair as it was, and a file under its final
// name is never half written.

#include <string>
#include <vector>

#include "print/report_data.h"
#include "store/data_dir.h"
#include "store/league_model.h"

inline constexpr const char* kExportFolder = "Export";

struct CsvExport {
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

// The standings first, then the team list.
CsvExport exportCsv(const LeagueModel& m, const DataDir& dir);
