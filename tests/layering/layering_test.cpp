// Every include of the program runs along the arrows of the house plan, and the check
// that says so does catch an include against them.

#include <gtest/gtest.h>

#include <algorithm>

#include "layering/include_rules.h"
#include "support/temp_folder.h"

namespace {

std::string listed(const std::vector<IncludeViolation>& found) {
    std::string s;
    for (const auto& v : found) s += describe(v) + "\n";
    return s;
}

TEST(Layering, EveryIncludeOfTheProgramRunsAlongTheArrows) {
    const auto found = checkIncludes(TALLYFOLD_SOURCES);
    EXPECT_TRUE(found.empty()) << listed(found);
}

// A small tree as src/ is laid out: each planted file is either allowed or flagged on the
// line of its include, with the file named.
struct Planted {
    const char* file;
    const char* text;
    int flaggedLine;  // 0: allowed
};

TEST(Layering, APlantedTreeIsFlaggedOnEveryIncludeAgainstTheArrowsAndOnNoOther) {
    const Planted planted[] = {
        // upward in the core
        {"store/upward.cpp", "#include \"store/upward.h\"\n\n#include \"league/line_up.h\"\n", 3},
        {"standings/upward.h", "#pragma once\n#include \"session/league_session.h\"\n", 2},
        {"print/sideways.cpp", "#include \"league/suspension.h\"\n", 1},
        // the core reaching the screens or Qt
        {"league/screen.cpp", "#include <vector>\n#include \"form/field_edit.h\"\n", 2},
        {"contacts/qt.cpp", "#include <string>\n#include <QString>\n", 2},
        {"store/qt_module.h", "#include <QtCore/qglobal.h>\n", 1},
        // one area reaching into another's widgets, the shared base into the areas
        {"league/ui/reach.cpp", "#include \"contacts/ui/details_area.h\"\n", 1},
        {"form/upward.cpp", "#include \"app/base_ball_form.h\"\n", 1},
        {"print/ui/up.cpp", "#include \"app/command_panel.h\"\n", 1},
        // a folder the rules do not know
        {"document/new.cpp", "#include \"store/data_dir.h\"\n", 1},
        // allowed
        {"league/down.cpp", "#include \"league/line_up.h\"\n#include \"standings/standings.h\"\n", 0},
        {"session/all.cpp", "#include \"contacts/team_details.h\"\n#include \"print/csv_export.h\"\n", 0},
        {"league/ui/area.cpp", "#include <QWidget>\n#include \"form/screen_area.h\"\n#include \"store/sjis.h\"\n", 0},
        {"form/doc.cpp", "#include \"session/league_session.h\"\n", 0},
        {"app/top.cpp", "#include \"contacts/ui/details_area.h\"\n#include \"print/ui/printer.h\"\n", 0},
        {"main.cpp", "#include \"app/base_ball_form.h\"\n", 0},
        {"store/comment.cpp", "// #include \"league/line_up.h\"\n#include \"local.h\"\n", 0},
    };
    TempFolder t;
    for (const Planted& p : planted) t.write(p.file, p.text);

    const auto found = checkIncludes(t.root());
    for (const Planted& p : planted) {
        int hits = 0;
        for (const auto& v : found) {
            if (v.file != p.file) continue;
            ++hits;
            EXPECT_EQ(v.line, p.flaggedLine) << describe(v);
        }
        EXPECT_EQ(hits, p.flaggedLine ? 1 : 0) << p.file << "\n" << listed(found);
    }
    const auto upward =
        std::find_if(found.begin(), found.end(), [](const auto& v) { return v.file == "store/upward.cpp"; });
    ASSERT_NE(upward, found.end());
    EXPECT_EQ(describe(*upward), "store/upward.cpp:3: includes league/line_up.h: store may not depend on league");
}

}  // namespace
