#pragma once
// The working folder that holds Data/, Zip/ and Images/. The program passes its working
// directory; tests pass a temporary folder.

#include <string>
#include <string_view>

namespace files {
inline constexpr const char* kResults = "Data/Seiseki.001";
inline constexpr const char* kTeamRegister = "Data/Info.001";
inline constexpr const char* kSuspended = "Data/Kyuubu.001";
inline constexpr const char* kSuspendedScratch = "Data/Kyuubu.tmp";
inline constexpr const char* kTeamSnapshot = "Data/Info.old";
inline constexpr const char* kSuspendedSnapshot = "Data/Kyuubu.old";
inline constexpr const char* kUserName = "Data/UserName.001";
inline constexpr const char* kGroups = "Data/League.001";
inline constexpr const char* kTeamMax = "Data/LeagueTeamMax.001";
inline constexpr const char* kChangePositions = "Data/ChangePos.001";
inline constexpr const char* kSavedPostalCodes = "Data/MyZip.001";
// The record of a multi-file save in progress (see file_transaction.h).
inline constexpr const char* kJournal = "Data/Tallyfold.jnl";
// Copies of Data/ taken before a change-over or a term deletion.
inline constexpr const char* kBackupFolder = "Backup";
}  // namespace files

class DataDir {
public:
    explicit DataDir(std::string root);

    // Full path of a file given relative to the working folder, e.g. files::kResults.
    std::string path(std::string_view relative) const;
    const std::string& root() const { return root_; }

    // Creates Data/ when it is missing; false when it is not there afterwards.
    bool ensureDataFolder() const;
    // True when a file can be created in Data/ (tried with a probe that leaves nothing behind).
    bool dataFolderWritable() const;

private:
    std::string root_;
};
