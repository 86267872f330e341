#include "session/power_cut_simulation.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "session/league_operations.h"
#include "store/file_transaction.h"

namespace fs = std::filesystem;
using fileio::testing::DiskEvent;
using fileio::testing::PlantedFault;

namespace {

constexpr long kSector = 512;
constexpr std::size_t kEverySubsetUpTo = 4;  // unsynced name changes tried in every combination
constexpr std::size_t kViolationsKept = 4;

// A file's data: what its last fsync made durable, and what it holds now. Versions tell
// contents apart without comparing them.
struct Inode {
    std::string durable, current;
    long durableVersion = 0, currentVersion = 0;
};

// A change to the folder's names since its last sync. Applied to the durable names on its
// own, it links the inode under its new name and drops the old one if that still names it.
struct NameChange {
    enum Kind { Link, Unlink, Move } kind;
    std::string name, to;
    int inode;
};

using Files = std::map<std::string, const std::string*>;

std::string eventText(const DiskEvent& e) {
    static const char* const kinds[] = {"create", "truncate", "write", "fsync", "rename", "remove", "folder sync"};
    std::string t = std::string(kinds[e.kind]) + " " + fs::path(e.path).filename().string();
    if (e.kind == DiskEvent::Rename) t += " -> " + fs::path(e.to).filename().string();
    if (e.kind == DiskEvent::Write) t += " @" + std::to_string(e.offset) + "+" + std::to_string(e.bytes.size());
    return t;
}

void writeInto(std::string& content, long offset, std::string_view bytes) {
    if (content.size() < std::size_t(offset) + bytes.size()) content.resize(std::size_t(offset) + bytes.size(), '\0');
    content.replace(std::size_t(offset), bytes.size(), bytes);
}

// The Data/ folder as a disk holds it: durable and current names, and each file's data.
class Disk {
public:
    Disk(std::string folder, const FolderState& files) : folder_(std::move(folder)) {
        for (const auto& [name, bytes] : files) {
            inodes_.push_back(Inode{bytes, bytes, 0, 0});
            durableNames_[name] = currentNames_[name] = int(inodes_.size()) - 1;
        }
    }

    // Follows one event; false when it cannot be followed (the record missed something).
    bool apply(const DiskEvent& e) {
        if (e.kind == DiskEvent::FolderSync) {
            if (e.path == folder_) {
                durableNames_ = currentNames_;
                pending_.clear();
            }
            return true;
        }
        const bool here = inFolder(e.path), there = e.kind == DiskEvent::Rename && inFolder(e.to);
        if (!here && !there) return true;
        const std::string name = fs::path(e.path).filename().string();
        if (e.kind == DiskEvent::Create) {
            inodes_.push_back(Inode{});
            change(NameChange{NameChange::Link, name, {}, int(inodes_.size()) - 1});
            return true;
        }
        auto found = currentNames_.find(name);
        if (!here || found == currentNames_.end()) return false;
        Inode& f = inodes_[found->second];
        switch (e.kind) {
            case DiskEvent::Truncate:
                f.current.clear();
                ++f.currentVersion;
                return true;
            case DiskEvent::Write:
                writeInto(f.current, e.offset, e.bytes);
                ++f.currentVersion;
                return true;
            case DiskEvent::FileSync:
                f.durable = f.current;
                f.durableVersion = f.currentVersion;
                return true;
            case DiskEvent::Remove:
                change(NameChange{NameChange::Unlink, name, {}, found->second});
                return true;
            case DiskEvent::Rename:
                if (!there) return false;
                change(NameChange{NameChange::Move, name, fs::path(e.to).filename().string(), found->second});
                return true;
            default:
                return false;
        }
    }

    // Every folder a power cut now may leave, with inFlight (when it is a write here) torn.
    void forEachState(const DiskEvent* inFlight,
                      const std::function<void(const Files&, const std::string& key, const std::string& how)>& visit) {
        for (const std::vector<bool>& kept : nameChoices()) {
            const std::map<std::string, int> names = namesKeeping(kept);
            const std::string which = choiceText(kept);
            visit(files(names, false), key(names, false), which + ", data as last synced");
            visit(files(names, true), key(names, true), which + ", every write kept");
        }
        if (!inFlight || inFlight->kind != DiskEvent::Write || !inFolder(inFlight->path)) return;
        const std::string name = fs::path(inFlight->path).filename().string();
        const int inode = currentNames_.at(name);
        const long first = inFlight->offset / kSector;
        const long sectors = (inFlight->offset + long(inFlight->bytes.size()) - 1) / kSector - first + 1;
        for (long j : std::set<long>{1, sectors / 2, sectors - 1}) {
            if (j < 1 || j >= sectors) continue;
            const std::size_t cut = std::size_t((first + j) * kSector - inFlight->offset);
            for (bool head : {true, false}) {
                std::string torn = inodes_[inode].current;
                if (head)
                    writeInto(torn, inFlight->offset, std::string_view(inFlight->bytes).substr(0, cut));
                else
                    writeInto(torn, inFlight->offset + long(cut), std::string_view(inFlight->bytes).substr(cut));
                Files f = files(currentNames_, true);
                f[name] = &torn;
                visit(f, std::string(head ? "head" : "tail") + std::to_string(j) + key(currentNames_, true),
                      "every name kept, the write in flight torn: only its " + std::string(head ? "first " : "last ") +
                          std::to_string(head ? j : sectors - j) + " of " + std::to_string(sectors) + " sectors");
            }
        }
    }

    bool namesSynced() const { return pending_.empty(); }
    FolderState current() const {
        FolderState s;
        for (const auto& [name, inode] : currentNames_) s[name] = inodes_[inode].current;
        return s;
    }

private:
    bool inFolder(const std::string& path) const { return fs::path(path).parent_path().string() == folder_; }

    void change(const NameChange& c) {
        pending_.push_back(c);
        apply(currentNames_, c);
    }
    static void apply(std::map<std::string, int>& names, const NameChange& c) {
        if (c.kind == NameChange::Link) names[c.name] = c.inode;
        if (c.kind == NameChange::Move) names[c.to] = c.inode;
        auto it = names.find(c.name);
        if (c.kind != NameChange::Link && it != names.end() && it->second == c.inode) names.erase(it);
    }

    // Which of the unsynced name changes reach the disk.
    std::vector<std::vector<bool>> nameChoices() const {
        const std::size_t n = pending_.size();
        std::vector<std::vector<bool>> choices;
        if (n <= kEverySubsetUpTo) {
            for (unsigned mask = 0; mask < (1u << n); ++mask) {
                std::vector<bool> kept(n);
                for (std::size_t i = 0; i < n; ++i) kept[i] = mask & (1u << i);
                choices.push_back(kept);
            }
            return choices;
        }
        for (std::size_t i = 0; i <= n; ++i) {
            std::vector<bool> prefix(n, false), alone(n, false), allBut(n, true);
            std::fill(prefix.begin(), prefix.begin() + long(i), true);
            choices.push_back(prefix);
            if (i == n) break;
            alone[i] = true;
            allBut[i] = false;
            choices.push_back(alone);
            choices.push_back(allBut);
        }
        return choices;
    }
    std::map<std::string, int> namesKeeping(const std::vector<bool>& kept) const {
        std::map<std::string, int> names = durableNames_;
        for (std::size_t i = 0; i < pending_.size(); ++i)
            if (kept[i]) apply(names, pending_[i]);
        return names;
    }
    std::string choiceText(const std::vector<bool>& kept) const {
        if (pending_.empty()) return "names synced";
        std::string t = "unsynced names kept:";
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            const NameChange& c = pending_[i];
            t += std::string(kept[i] ? " +" : " -") + (c.kind == NameChange::Link ? "create " : "") +
                 (c.kind == NameChange::Unlink ? "remove " : "") + c.name +
                 (c.kind == NameChange::Move ? "->" + c.to : "");
        }
        return t;
    }
    Files files(const std::map<std::string, int>& names, bool everyWrite) const {
        Files f;
        for (const auto& [name, inode] : names)
            f[name] = everyWrite ? &inodes_[inode].current : &inodes_[inode].durable;
        return f;
    }
    std::string key(const std::map<std::string, int>& names, bool everyWrite) const {
        std::string k;
        for (const auto& [name, inode] : names) {
            const Inode& f = inodes_[inode];
            k += name + "=" + std::to_string(inode) + "@" +
                 std::to_string(everyWrite ? f.currentVersion : f.durableVersion) + ";";
        }
        return k;
    }

    std::string folder_;
    std::vector<Inode> inodes_;
    std::map<std::string, int> durableNames_, currentNames_;
    std::vector<NameChange> pending_;
};

using Visit = std::function<void(const Files&, const std::string& key, const std::string& when)>;

// Every state a power cut may leave at each point of events, after the last one too.
// False, with what went wrong, when an event names a file the record does not know.
bool cutAtEveryPoint(Disk& disk, const std::vector<DiskEvent>& events, const Visit& visit, std::string& unknown) {
    for (std::size_t k = 0; k <= events.size(); ++k) {
        const DiskEvent* inFlight = k < events.size() ? &events[k] : nullptr;
        const std::string when = inFlight ? "cut before event " + std::to_string(k + 1) + " of " +
                                                std::to_string(events.size()) + " (" + eventText(*inFlight) + ")"
                                          : "cut after the last event";
        disk.forEachState(inFlight, [&](const Files& f, const std::string& key, const std::string& how) {
            visit(f, key, when + ", " + how);
        });
        if (inFlight && !disk.apply(*inFlight)) {
            unknown =
                "event " + std::to_string(k + 1) + " (" + eventText(*inFlight) + ") names no file the record knows";
            return false;
        }
    }
    return true;
}

// Lays out each state once, recovers it as a start does, and keeps what is wrong. When the
// recovery has work to do, the power is cut again at every point of it.
class Checker {
public:
    Checker(const FolderState& before, const FolderState& after, PowerCutReport& report)
        : before_(before), after_(after), report_(report) {
        leagues_.insert(leagueOf(before));
        leagues_.insert(leagueOf(after));
    }

    void check(const Files& files, const std::string& key, const std::string& when, bool again = false) {
        if (!seen_.insert(key).second) return;
        ++report_.statesSeen;
        lay(files);
        std::vector<DiskEvent> recovery;
        if (!again) fileio::testing::recordDiskEvents(&recovery);
        const bool recovered = recoverInterruptedWrites(scratch_.dir());
        fileio::testing::recordDiskEvents(nullptr);
        const FolderState& now = onDisk_ = dataFiles(scratch_.root());
        if (!recovered) return fail(when + ": start-up could not recover the folder");
        if (now != before_ && now != after_)
            return fail(when + ": Data/ differs from before in " + differences(now, before_) + "and from after in " +
                        differences(now, after_));
        if (!leagues_.count(leagueOf(now)))
            return fail(when + ": a start reads a league that is neither before nor after");
        if (!recovery.empty()) cutDuringRecovery(files, key, when, recovery);
    }
    void fail(const std::string& what) {
        if (report_.violations.size() < kViolationsKept) report_.violations.push_back(what);
    }

private:
    void cutDuringRecovery(const Files& files, const std::string& key, const std::string& when,
                           const std::vector<DiskEvent>& recovery) {
        FolderState laid;
        for (const auto& [name, bytes] : files) laid[name] = *bytes;
        Disk disk(scratch_.path("Data"), laid);
        std::string unknown;
        const bool followed = cutAtEveryPoint(
            disk, recovery,
            [&](const Files& f, const std::string& k, const std::string& how) {
                check(f, key + "|" + k, when + "; start-up recovery " + how, true);
            },
            unknown);
        if (!followed) fail(when + "; start-up recovery: " + unknown);
    }
    // Brings the scratch Data/ to the state given, writing only the files that differ from
    // what the last recovery left there.
    void lay(const Files& files) {
        const fs::path data = fs::path(scratch_.root()) / "Data";
        fs::create_directories(data);
        for (const auto& [name, bytes] : onDisk_)
            if (!files.count(name)) fs::remove(data / name);
        for (const auto& [name, bytes] : files) {
            auto there = onDisk_.find(name);
            if (there != onDisk_.end() && there->second == *bytes) continue;
            std::ofstream out(data / name, std::ios::binary | std::ios::trunc);
            out.write(bytes->data(), std::streamsize(bytes->size()));
        }
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

    const FolderState& before_;
    const FolderState& after_;
    PowerCutReport& report_;
    TempFolder scratch_;
    FolderState onDisk_;  // the scratch Data/ as the last recovery left it
    std::set<std::string> seen_, leagues_;
    std::map<std::size_t, std::string> leagueByFolder_;
};

}  // namespace

PowerCutReport simulatePowerCuts(const TempFolder& folder, const std::function<void()>& operation, PlantedFault fault) {
    PowerCutReport report;
    const FolderState before = dataFiles(folder.root());
    // What a sync makes durable is worked out from the record; the disk itself is spared them.
    fileio::testing::skipSyncs(true);
    std::vector<DiskEvent> events;
    fileio::testing::recordDiskEvents(&events);
    fileio::testing::plantFault(fault);
    operation();
    fileio::testing::plantFault(PlantedFault::None);
    fileio::testing::recordDiskEvents(nullptr);
    const FolderState after = dataFiles(folder.root());
    report.events = long(events.size());

    Disk disk(folder.path("Data"), before);
    Checker checker(before, after, report);
    std::string unknown;
    if (!cutAtEveryPoint(
            disk, events,
            [&](const Files& f, const std::string& key, const std::string& when) { checker.check(f, key, when); },
            unknown))
        checker.fail(unknown);
    // A save reported done keeps its names: a power cut may then lose at most the last
    // records written in place, never a file's new name.
    if (!disk.namesSynced()) checker.fail("the operation returned with names of Data/ not yet synced");
    if (disk.current() != after)
        checker.fail("the record of the file layer misses changes to " + differences(disk.current(), after));
    fileio::testing::skipSyncs(false);
    return report;
}
