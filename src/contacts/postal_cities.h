#pragma once
// The cities of the postal-code dictionary (Zip/ZipNo.txt), by prefecture: 千代田区, 横浜市港北区,
// 愛甲郡愛川町 and the like, as the dictionary writes them and a team's 区市郡 field holds them.
// Read once, and again only when the dictionary changes.

#include <string_view>

#include "store/data_dir.h"

namespace postal {

// Whether the dictionary knows a city of that name in that prefecture (Shift-JIS, without
// padding). False without a dictionary.
bool isKnownCity(const DataDir& dir, std::string_view prefecture, std::string_view city);

}  // namespace postal
