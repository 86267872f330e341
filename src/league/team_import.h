#pragma once
// Teams brought in from a spreadsheet saved as CSV: first a preview of what would happen,
// shown to the user, then, on confirmation, the writing of that preview.
//
// The preview reads the file (UTF-8 with or without a byte-order mark, or code page 932,
// told apart without asking), finds the heading row, and takes each row as one team for
// the term being shown: into the first empty row of its group, its details into the team
// register. A row that cannot be taken whole is refused with its row number and the reason;
// nothing is cut or changed silently. Rows are placed in file order.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/import_cells.h"
#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/record_layout.h"
#include "store/save_result.h"
#include "store/text_encoding.h"

// The largest file taken: far more than 200 teams with every detail need.
inline constexpr long kImportFileLimit = 8L * 1024 * 1024;

struct ImportGroupCount {
    int groupSlot = 0;
    std::string name;     // "A級 1部"
    int teamsBefore = 0;  // teams of the group in the shown term before the import
    int added = 0;        // teams that fill its empty rows
    int updated = 0;      // teams already in it whose details the file changes
    int unchanged = 0;    // teams already in it that the file gives nothing new for
};

struct ImportRefusal {
    int row = 0;         // the row as the spreadsheet numbers it (the heading row is usually 1)
    std::string reason;  // Japanese; several reasons of one row are joined by "、"
};

struct ImportTeam {
    int row = 0;  // the spreadsheet row it comes from
    int groupSlot = 0;
    int groupRow = -1;       // the empty row (0..9) it fills; -1 when it is already in the group
    std::string name;        // 20 bytes, Shift-JIS, blank-padded
    int recordNo = 0;        // its team register record (1..200)
    bool newRecord = false;  // a free record that takes the name
    // Detail fields 0..10, padded to their widths; nothing where the file gives no value.
    std::array<std::optional<std::string>, team_field::TeamName> details;
};

struct ImportPreview {
    enum Status {
        Ready,             // the rest tells what would be written (maybe nothing)
        FileUnreadable,    // the chosen file cannot be read
        TooLarge,          // over kImportFileLimit
        Utf16,             // saved as UTF-16 ("Unicode テキスト")
        UnknownEncoding,   // neither UTF-8 nor code page 932
        NoNameColumn,      // no heading names the team in the first ten rows
        NoGroupColumn,     // no heading names the group
        LeagueUnreadable,  // the results file or the team register cannot be read
    };
    Status status = FileUnreadable;
    TextEncoding encoding = TextEncoding::Unknown;
    int termSlot = 0;
    int headingRow = 0;
    std::vector<std::string> unusedHeadings;  // columns read for nothing, as headed in the file
    std::vector<ImportGroupCount> groups;     // every group that gains or updates a team, in group order
    std::vector<ImportRefusal> refused;       // in row order
    std::vector<ImportTeam> teams;            // what "はい" writes, in file order; nothing when empty

    int added() const;
    int updated() const;
};

// Reads the file at path and previews it against the shown term of the working folder.
ImportPreview previewImport(const LeagueModel& m, const DataDir& dir, const std::string& path,
                            const KnownCity& knownCity = {});
// The same for the file's bytes.
ImportPreview previewImportBytes(const LeagueModel& m, const DataDir& dir, std::string_view bytes,
                                 const KnownCity& knownCity = {});

// One line for the user when the status is not Ready (Japanese), empty when it is.
std::string importStatusText(const ImportPreview& p);
