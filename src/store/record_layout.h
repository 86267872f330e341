#pragma once
// Fixed-width records: a layout is a list of field widths, prefix-summed into offsets.
// Every record but the postal dictionary line ends with a blank and a line feed.

#include <string>
#include <string_view>
#include <vector>

#include "store/data_dir.h"
#include "store/file_io.h"

// Record lengths of the data files, and the one text width several of them share.
inline constexpr int kTeamRecordLength = 1000;         // Data/Info.001, Data/Kyuubu.001
inline constexpr int kResultRecordLength = 46;         // Data/Seiseki.001
inline constexpr int kChangePositionRecordLength = 8;  // Data/ChangePos.001
inline constexpr int kSavedCodeRecordLength = 40;      // Data/MyZip.001
inline constexpr int kPostalLineLength = 500;          // Zip/ZipNo.txt
inline constexpr int kTeamNameWidth = 20;              // in a result record and in a team record

struct RecordLayout {
    std::vector<int> widths;
    std::vector<int> offsets;
    int recordLength = 0;
    bool hasTrailer = true;  // a blank and a line feed after the last field

    int fieldCount() const { return static_cast<int>(widths.size()); }
    static RecordLayout build(std::vector<int> widths, bool hasTrailer, int recordLength = 0);
};

// Every fixed-width layout of the program, built once from one table: the records of the data
// files, the entries of the settings files, and the one fixed-width text of the printouts.
namespace layouts {
enum Kind {
    Team,
    Suspended,
    Result,
    ChangePosition,
    SavedPostalCode,
    PostalLine,
    TeamMaxima,  // Data/LeagueTeamMax.001: one entry per group slot
    TermKey,     // a term slot of Data/Seiseki.001's header: the year, then the half
    SheetTitle,  // the title line of a group's block on the standings sheet
    Count
};
const RecordLayout& get(Kind kind);
// Offset and width of field f of a layout.
inline int offset(Kind kind, int f) {
    return get(kind).offsets.at(f);
}
inline int width(Kind kind, int f) {
    return get(kind).widths.at(f);
}
// Field f of a record of the layout as it lies in record; a record cut short gives what it
// holds of the field.
std::string_view field(std::string_view record, Kind kind, int f);
// What an empty stretch of a file of these records holds, records starting at firstRecord.
fileio::EmptyPattern emptyPattern(Kind kind, long firstRecord = 0);
}  // namespace layouts

// Field numbers of the team record (Data/Info.001 and Data/Kyuubu.001).
namespace team_field {
enum : int {
    Representative = 0,
    Mobile,
    Telephone,
    Fax,
    PostalCode,
    Prefecture,
    City,
    Street,
    Building,
    Mail,
    Remarks,
    TeamName,
    Reserved
};
}

// Field numbers of the result record (Data/Seiseki.001).
namespace result_field {
enum : int { TeamName = 0, FirstResult = 1, Wins = 11, Losses, Draws, Points, WinRate, Rank };
}

// Field numbers of a term key ("381": year 38, second half).
namespace term_key_field {
enum : int { Year = 0, Half };
}

// Field numbers of a change-over rule (Data/ChangePos.001).
namespace rule_field {
enum : int { Target = 0, Source };
}

// Field numbers of a saved postal code (Data/MyZip.001).
namespace saved_code_field {
enum : int { Code = 0, Address };
}

// Field numbers of the standings sheet's title: " A級  1部      8チーム".
namespace sheet_title_field {
enum : int { Lead = 0, ClassLetter, ClassMark, DivisionLetter, DivisionMark, TeamCount, TeamsMark };
}

// One text buffer of exactly its field's width.
class FieldBuffer {
public:
    explicit FieldBuffer(int width = 0) : width_(width), bytes_(width, ' ') {}
    int width() const { return width_; }
    const std::string& bytes() const { return bytes_; }
    // Takes text padded (or cut) to the width; a cut never splits a double-byte character.
    void assign(std::string_view text, bool rightAlign = false);
    // Takes exactly width bytes as they lie in a record, whatever they are.
    void setRaw(std::string_view bytes);
    void clear() { bytes_.assign(width_, ' '); }
    // Empty when its first byte is a blank or NUL, as a name field without a team is.
    bool isEmpty() const;

private:
    int width_;
    std::string bytes_;
};

// A record buffer and the field buffers of one layout, with the record operations.
class RecordCodec {
public:
    explicit RecordCodec(const RecordLayout& layout);

    const RecordLayout& layout() const { return *layout_; }
    std::string& record() { return record_; }
    const std::string& record() const { return record_; }
    FieldBuffer& field(int i) { return fields_.at(i); }
    const FieldBuffer& field(int i) const { return fields_.at(i); }

    void clearRecord();   // record and fields all blanks, trailer in place
    void unpackRecord();  // record bytes into the field buffers
    void packRecord();    // field buffers into the record bytes

    // Record n (1-based) of the file into the record buffer. A record that lies partly or
    // wholly past the end reads as blanks for what is missing. False when the file cannot
    // be opened; the buffer then keeps what it held.
    [[nodiscard]] bool readRecord(const std::string& path, long n);
    // The record buffer as record n (1-based); never creates the file.
    [[nodiscard]] bool writeRecord(const std::string& path, long n) const;
    // Whole records in the file (0 when it cannot be opened).
    long countRecords(const std::string& path) const;

private:
    const RecordLayout* layout_;
    std::string record_;
    std::vector<FieldBuffer> fields_;
};

// An empty record of the layout: blanks, then the trailer.
std::string emptyRecord(const RecordLayout& layout);
// n empty records one after another, e.g. a whole empty term block or register.
std::string emptyRecords(const RecordLayout& layout, int n);

struct RecordCount {
    int count = 0;       // whole records, at most the cap
    bool ready = false;  // the file could be read, or was created
};
// Counts the records of a file (relative to the working folder); a missing file is created empty.
RecordCount countOrCreate(const DataDir& dir, const char* relative, int recordLength, int cap);
