#pragma once
// The 20-byte team-name fields of the 200 records of Data/Info.001, read once and kept in
// step with every write, so that finding a team's record by name reads nothing from disk.
// The file's identity (inode, size, modification time) is remembered with the names: if the
// file changed behind the index's back, the names are read again.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "store/capacities.h"

class TeamNameIndex {
public:
    // Reads the names when they are not held yet or the file has changed since. False when
    // the register cannot be read (the index is then empty).
    bool refresh(const std::string& registerPath);
    // Reads the whole register now and takes its names; its bytes, for whoever needs more
    // of it than the names (start-up counts the teams and merges the postal codes from them).
    std::optional<std::string> reload(const std::string& registerPath);
    // The register was rewritten by this program: read it again at the next refresh.
    void invalidate() { valid_ = false; }
    // Record recordNo (1..200) now carries name; the file was just written by this program.
    void noteWritten(const std::string& registerPath, int recordNo, std::string_view name20);
    // A field other than the name was just written by this program: the names still hold.
    void noteWritten(const std::string& registerPath);

    // First record whose name field equals name20, 0 when none.
    int find(std::string_view name20) const;
    // First record whose name field holds no team, 0 when none.
    int firstFree() const;
    const std::string& name(int recordNo) const { return names_.at(recordNo - 1); }

private:
    struct Identity {
        unsigned long long inode = 0, size = 0;
        long long seconds = 0, nanoseconds = 0;
        bool operator==(const Identity&) const = default;
    };
    static bool identify(const std::string& path, Identity& out);

    std::array<std::string, kTeamPositions> names_;
    Identity identity_;
    bool valid_ = false;
};
