// Both printouts laid out onto the recording canvas, both CSV exports and the web page, over
// a fuzzed league, for the term the steering bytes choose.

#include "fuzz_folder.h"
#include "print/csv_export.h"
#include "print/recording_canvas.h"
#include "print/standings_sheet_layout.h"
#include "print/standings_sheet_source.h"
#include "print/team_list_layout.h"
#include "print/team_list_source.h"
#include "print/web_page.h"
#include "print/web_page_export.h"
#include "steering.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view steeringBytes;
    FuzzFolder& f = startOnImage(data, size, &steeringBytes);
    Steering steer(steeringBytes);
    LeagueModel& m = f.model;
    m.termSlotIndex = steer.next(kTermSlots);
    const PageGeometry geometry{300 + 300 * steer.next(2), 300 + 300 * steer.next(2), steer.next(60), steer.next(60)};

    if (const auto sheet = gatherStandingsSheet(m, f.dir)) {
        RecordingCanvas canvas;
        (void)standingsSheetHasBlocks(*sheet);
        require(layOutStandingsSheet(*sheet, geometry, canvas), "the standings sheet reaches the canvas");
        // Whatever the names hold, the page stays a page: no markup of theirs gets through.
        const std::string page = standingsWebPage(*sheet, {2026, 12, 8});
        require(page.find("<script") == std::string::npos && page.find("<SCRIPT") == std::string::npos,
                "the web page runs no script");
        require(page.rfind("</html>") != std::string::npos, "the web page is whole");
    }
    if (const auto list = gatherTeamList(m, f.dir, {2026, 12, 8})) {
        RecordingCanvas canvas;
        require(layOutTeamList(*list, geometry, canvas), "the team list reaches the canvas");
    }
    (void)exportCsv(m, f.dir);
    (void)exportWebPage(m, f.dir);
    return 0;
}
