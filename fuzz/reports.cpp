// Both printouts laid out onto the recording canvas, and both CSV exports, over a fuzzed
// league, for the term the steering bytes choose.

#include "fuzz_folder.h"
#include "print/csv_export.h"
#include "print/recording_canvas.h"
#include "print/standings_sheet_layout.h"
#include "print/standings_sheet_source.h"
#include "print/team_list_layout.h"
#include "print/team_list_source.h"
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
    }
    if (const auto list = gatherTeamList(m, f.dir, {2026, 12, 8})) {
        RecordingCanvas canvas;
        require(layOutTeamList(*list, geometry, canvas), "the team list reaches the canvas");
    }
    (void)exportCsv(m, f.dir);
    return 0;
}
