#pragma once
// Shared by the postal dictionary tests: the fixture dictionary and Shift-JIS literals.

#include <string>

#include "store/sjis.h"
#include "support/temp_folder.h"

// Shift-JIS bytes of UTF-8 text.
inline std::string sj(const char* utf8) {
    return sjis::fromUnicode(utf8);
}

// The three files of the small fixture dictionary built from tests/data/postal/jpostal/json.
inline void copyFixtureDictionary(const TempFolder& t, const std::string& from = "postal/jpostal/Zip") {
    for (const char* name : {"ZipNo.txt", "ZipNo.idx", "ZipKana.idx"})
        t.copyFixture(from + "/" + name, std::string("Zip/") + name);
}

inline std::string fixturePath(const std::string& relative) {
    return std::string(TALLYFOLD_FIXTURES) + "/" + relative;
}
