#pragma once
// A league to import into: groups A1, B2 and C3 in term 2026前期, a few teams with their
// register records, one suspended team.

#include <gtest/gtest.h>

#include <string>

#include "league/team_import.h"
#include "store/league_model.h"
#include "support/temp_folder.h"

class ImportFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Previews a UTF-8 text as a file of those bytes would be.
    ImportPreview preview(const std::string& bytes) { return previewImportBytes(m, dir, bytes); }

    // The 1000-byte record n of the register on disk, and field k of it.
    std::string record(int n) const;
    std::string field(int n, int k) const;

    TempFolder t;
    DataDir dir = t.dir();
    LeagueModel m;
    std::string results;  // the files as laid
    std::string teams;
};

// A detail field as it is stored: Shift-JIS, padded to the width of field k.
std::string stored(int k, const std::string& utf8);
