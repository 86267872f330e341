#pragma once
// The captions the details area gives the fields of a team record. The CSV team list uses
// them as its headings, and an import recognises them, so that one reads back the other.

#include <array>
#include <string_view>

#include "store/record_layout.h"

namespace team_field {

// Fields 0..10 and the team name (11), UTF-8.
inline constexpr std::array<std::string_view, TeamName + 1> kCaptions = {
    "代表者名", "携帯電話", "電話番号", "FAX",    "郵便番号", "都道府県",
    "区市郡",   "番地",     "建物",     "メール", "備考",     "チーム名"};

inline constexpr std::string_view caption(int field) {
    return kCaptions[std::size_t(field)];
}

}  // namespace team_field
