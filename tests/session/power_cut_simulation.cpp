#include "session/power_cut_simulation.h"

#include <filesystem>
#include <map>
#include <set>

#include "session/folder_tree.h"
#include "session/league_operations.h"
#include "session/simulated_disk.h"
#include "store/backup.h"
#include "store/data_folder_swap.h"
#include "store/file_transaction.h"

namespace fs = std::filesystem;
using fileio::testing::DiskEvent;
using fileio::testing::PlantedFault;

namespace {

constexpr int kViolationsKeptOfEachFinding = 2;

std::string below(const std::string& root, const std::string& path) {
    return fs::path(path).lexically_relative(root).string();
}

std::string eventText(const DiskEvent& e, const std::string& root) {
    static const char* const kinds[] = {"create", "create folder", "truncate", "write",
                                        "fsync",  "rename",        "remove",   "folder sync"};
    std::string t = std::string(kinds[e.kind]) + " " + below(root, e.path);
    if (e.kind == DiskEvent::Rename) t += " -> " + below(root, e.to);
    if (e.kind == DiskEvent::Write) t += " @" + std::to_string(e.offset) + "+" + std::to_string(e.bytes.size());
    return t;
}

// What a recovery does, with the names of what it removes left out: recoveries of the same
// shape differ only in how many leftovers they clear.
std::string shapeOf(const std::vector<DiskEvent>& events, const std::string& root) {
    std::string shape, last;
    for (const DiskEvent& e : events) {
        std::string step = e.kind == DiskEvent::Remove ? "remove in " + below(root, fs::path(e.path).parent_path())
                                                       : eventText(e, root);
        if (step != last) shape += step + "; ";
        last = std::move(step);
    }
    return shape;
}

// Every state a power cut may leave at each point of events, after the last one too.
// False, with what went wrong, when the disk cannot follow an event.
bool cutAtEveryPoint(SimulatedDisk& disk, const std::vector<DiskEvent>& events, const std::string& root,
                     const SimulatedDisk::Visit& visit, std::string& unknown) {
    for (std::size_t k = 0; k <= events.size(); ++k) {
        const DiskEvent* inFlight = k < events.size() ? &events[k] : nullptr;
        const std::string when = inFlight ? "cut before event " + std::to_string(k + 1) + " of " +
                                                std::to_string(events.size()) + " (" + eventText(*inFlight, root) + ")"
                                          : "cut after the last event";
        disk.forEachState(inFlight, [&](const TreeView& state, const std::string& key, const std::string& how) {
            visit(state, key, when + ", " + how);
        });
        std::string why;
        if (inFlight && !disk.apply(*inFlight, why)) {
            unknown = "event " + std::to_string(k + 1) + " (" + eventText(*inFlight, root) + ") " + why;
            return false;
        }
    }
    return true;
}

// Start-up's recovery, in the order a start runs it.
bool recoverAsAStartDoes(const DataDir& dir) {
    bool ok = finishInterruptedSwap(dir);
    ok = dir.ensureDataFolder() && recoverInterruptedWrites(dir) && ok;
    removeUnfinishedBackups(dir);
    return ok;
}

// Lays out each state once, recovers it as a start does, and keeps what is wrong. The power is
// cut again at every point of the first recovery of each shape.
class Checker {
public:
    Checker(const FolderTree& before, const FolderTree& after, PowerCutReport& report)
        : before_(filesIn(before, "Data")),
          after_(filesIn(after, "Data")),
          copiesBefore_(copiesIn(before)),
          copiesAfter_(copiesIn(after)),
          report_(report) {
        leagues_.insert(leagueOf(before_));
        leagues_.insert(leagueOf(after_));
    }

    void check(const TreeView& state, const std::string& key, const std::string& when, bool again = false) {
        if (!seen_.insert(key).second) return;
        ++report_.statesSeen;
        layTree(scratch_.root(), state, onDisk_);
        std::vector<DiskEvent> recovery;
        if (!again) fileio::testing::recordDiskEvents(&recovery);
        const bool recovered = recoverAsAStartDoes(scratch_.dir());
        fileio::testing::recordDiskEvents(nullptr);
        onDisk_ = readTree(scratch_.root());
        if (!recovered) fail(when, "start-up could not recover the folder");
        checkData(when);
        checkLeftovers(when);
        checkCopies(when);
        if (!recovery.empty() && recoveriesCut_.insert(shapeOf(recovery, scratch_.root())).second)
            cutDuringRecovery(state, key, when, recovery);
    }
    // Keeps the first few states of each finding, with what sets them apart.
    void fail(const std::string& when, const std::string& finding, const std::string& detail = {}) {
        if (++findings_[finding] <= kViolationsKeptOfEachFinding)
            report_.violations.push_back(when + ": " + finding + detail);
    }

private:
    void checkData(const std::string& when) {
        const FolderState now = filesIn(onDisk_, "Data");
        if (now != before_ && now != after_)
            return fail(when, "Data/ is neither before nor after",
                        ": it differs from before in " + differences(now, before_) + "and from after in " +
                            differences(now, after_));
        if (!leagues_.count(leagueOf(now))) fail(when, "a start reads a league that is neither before nor after");
    }
    void checkLeftovers(const std::string& when) {
        for (const char* leftover : {kIncomingDataFolder, kOutgoingDataFolder})
            if (onDisk_.folders.count(leftover))
                fail(when, "a folder of a restore is left after start-up", ": " + std::string(leftover));
        const std::string backups = std::string(files::kBackupFolder) + "/";
        for (const std::string& folder : onDisk_.folders)
            if (folder.rfind(backups, 0) == 0 && folder.ends_with(fileio::kTemporarySuffix))
                fail(when, "a half-made copy is left after start-up", ": " + folder);
    }
    void checkCopies(const std::string& when) {
        for (const std::string& copy : copiesNotWhole(onDisk_, copiesBefore_, copiesAfter_))
            fail(when, "a copy's name stands on what is not a whole copy", ": " + copy);
    }
    void cutDuringRecovery(const TreeView& state, const std::string& key, const std::string& when,
                           const std::vector<DiskEvent>& recovery) {
        SimulatedDisk disk(scratch_.root(), copyOf(state));
        std::string unknown;
        const bool followed = cutAtEveryPoint(
            disk, recovery, scratch_.root(),
            [&](const TreeView& s, const std::string& k, const std::string& how) {
                check(s, key + "|" + k, when + "; start-up recovery " + how, true);
            },
            unknown);
        if (!followed) fail(when + "; start-up recovery", "the disk cannot follow the record", ": " + unknown);
    }
    // The league a start reads, worked out once for each distinct folder.
    std::string leagueOf(const FolderState& state) {
        std::string whole;
        for (const auto& [name, bytes] : state) whole += name + '\0' + std::to_string(bytes.size()) + '\0' + bytes;
        auto [it, fresh] = leagueByFolder_.try_emplace(std::hash<std::string>{}(whole));
        if (fresh) {
            TempFolder t;
            for (const auto& [name, bytes] : state) t.write("Data/" + name, bytes);
            it->second = leagueDigest(t.root());
        }
        return it->second;
    }

    const FolderState before_, after_;
    const Copies copiesBefore_, copiesAfter_;
    PowerCutReport& report_;
    TempFolder scratch_;
    FolderTree onDisk_;  // the scratch folder as the last recovery left it
    std::set<std::string> seen_, leagues_, recoveriesCut_;
    std::map<std::string, int> findings_;
    std::map<std::size_t, std::string> leagueByFolder_;
};

}  // namespace

PowerCutReport simulatePowerCuts(const TempFolder& folder, const std::function<void()>& operation, PlantedFault fault) {
    PowerCutReport report;
    const FolderTree before = readTree(folder.root());
    // What a sync makes durable is worked out from the record; the disk itself is spared them.
    fileio::testing::skipSyncs(true);
    std::vector<DiskEvent> events;
    fileio::testing::recordDiskEvents(&events);
    fileio::testing::plantFault(fault);
    operation();
    fileio::testing::plantFault(PlantedFault::None);
    fileio::testing::recordDiskEvents(nullptr);
    const FolderTree after = readTree(folder.root());
    report.events = long(events.size());

    SimulatedDisk disk(folder.root(), before);
    Checker checker(before, after, report);
    std::string unknown;
    if (!cutAtEveryPoint(
            disk, events, folder.root(),
            [&](const TreeView& state, const std::string& key, const std::string& when) {
                checker.check(state, key, when);
            },
            unknown))
        checker.fail("the operation", "the disk cannot follow the record", ": " + unknown);
    // A save reported done keeps its names: a power cut may then lose at most the last
    // records written in place, never a file's new name.
    if (const std::string names = disk.unsyncedNames(); !names.empty())
        checker.fail("once the operation returned", "names are not synced yet", ":" + names);
    if (disk.current() != after)
        checker.fail("once the operation returned", "the record of the file layer misses changes",
                     " to " + treeDifferences(disk.current(), after));
    fileio::testing::skipSyncs(false);
    return report;
}
