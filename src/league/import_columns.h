#pragma once
// Which column of a spreadsheet feeds which part of a team, told from the headings: those
// the CSV team list writes and the words organisers commonly use, in any order, in full- or
// half-width letters, upper or lower case.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/record_layout.h"

struct ImportColumns {
    static constexpr int kNone = -1;
    int name = kNone;
    // The group as one text ("A1", "A級1部", "3"), or as its two letters in two columns.
    int group = kNone;
    int classLetter = kNone;
    int divisionLetter = kNone;
    // Detail fields 0..10 of the team record.
    std::array<int, team_field::TeamName> detail = filled();
    // A whole address (prefecture, town and number), used when no street column is given.
    int address = kNone;
    std::vector<std::string> headings;  // as written in the file, trimmed
    std::vector<int> unused;            // columns that feed nothing, or a part another column feeds first

    bool hasGroup() const { return group != kNone || classLetter != kNone; }

private:
    static constexpr std::array<int, team_field::TeamName> filled() {
        std::array<int, team_field::TeamName> a{};
        a.fill(kNone);
        return a;
    }
};

// The columns for a heading row; nothing when no column names the team.
std::optional<ImportColumns> matchHeadings(const std::vector<std::string>& headings);

// A heading or group text as it is compared: full-width letters, digits and signs made
// half-width, ASCII letters lower-case, blanks and the signs - _ . ・ : ： dropped.
std::string headingKey(std::string_view utf8);
