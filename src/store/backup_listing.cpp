#include "store/backup_listing.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <tuple>

#include "store/file_io.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = "Data-";

struct OperationName {
    BackupOperation op;
    std::string_view name;
};
constexpr std::array<OperationName, 7> kOperationNames{{
    {BackupOperation::ChangeOver, "節の更新"},
    {BackupOperation::TermDeletion, "最新節の削除"},
    {BackupOperation::Suspension, "休会"},
    {BackupOperation::Withdrawal, "退会"},
    {BackupOperation::Return, "復帰"},
    {BackupOperation::Restore, "復元"},
    {BackupOperation::Import, "取込"},
}};

// n decimal digits at the front of s, or -1.
int digits(std::string_view s, std::size_t n) {
    if (s.size() < n) return -1;
    int v = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (s[i] < '0' || s[i] > '9') return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

std::string_view trimmedLine(std::string_view text) {
    text = text.substr(0, text.find('\n'));
    while (!text.empty() && (text.back() == '\r' || text.back() == ' ')) text.remove_suffix(1);
    return text;
}

std::vector<std::string> fileNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
    return names;
}

}  // namespace

std::string_view backupOperationName(BackupOperation op) {
    for (const OperationName& n : kOperationNames)
        if (n.op == op) return n.name;
    return {};
}

std::string backupNoteText(BackupOperation op) {
    return std::string(backupOperationName(op)) + "\n";
}

std::optional<BackupOperation> parseBackupNote(std::string_view text) {
    const std::string_view line = trimmedLine(text);
    for (const OperationName& n : kOperationNames)
        if (n.name == line) return n.op;
    return std::nullopt;
}

std::optional<BackupName> parseBackupName(std::string_view folder) {
    // Data-YYYYMMDD-HHMMSS[-N]
    if (folder.size() < 20 || folder.substr(0, kPrefix.size()) != kPrefix || folder[13] != '-') return std::nullopt;
    const std::string_view date = folder.substr(5, 8), time = folder.substr(14, 6);
    BackupName n;
    LocalDateTime& t = n.made;
    t.year = digits(date, 4);
    t.month = digits(date.substr(4), 2);
    t.day = digits(date.substr(6), 2);
    t.hour = digits(time, 2);
    t.minute = digits(time.substr(2), 2);
    t.second = digits(time.substr(4), 2);
    if (t.year < 0 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 || t.hour < 0 || t.hour > 23 ||
        t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 60)
        return std::nullopt;
    const std::string_view rest = folder.substr(20);
    if (rest.empty()) return n;
    if (rest.size() < 2 || rest.size() > 5 || rest[0] != '-') return std::nullopt;
    n.sequence = digits(rest.substr(1), rest.size() - 1);
    if (n.sequence < 2) return std::nullopt;
    return n;
}

std::string backupFolderName(const BackupName& n) {
    const LocalDateTime& t = n.made;
    char buf[48];
    std::snprintf(buf, sizeof buf, "Data-%04d%02d%02d-%02d%02d%02d", t.year % 10000, t.month % 100, t.day % 100,
                  t.hour % 100, t.minute % 100, t.second % 100);
    std::string name = buf;
    if (n.sequence > 1) name += "-" + std::to_string(n.sequence);
    return name;
}

bool backupBefore(const BackupName& a, const BackupName& b) {
    const LocalDateTime &x = a.made, &y = b.made;
    return std::tie(x.year, x.month, x.day, x.hour, x.minute, x.second, a.sequence) <
           std::tie(y.year, y.month, y.day, y.hour, y.minute, y.second, b.sequence);
}

std::optional<BackupEntry> describeBackup(std::string_view folder, const std::vector<std::string>& files,
                                          std::optional<std::string_view> note) {
    const auto name = parseBackupName(folder);
    if (!name) return std::nullopt;
    BackupEntry e;
    e.folder = std::string(folder);
    e.name = *name;
    if (note) e.operation = parseBackupNote(*note);
    auto holds = [&](std::string_view relative) {
        const std::string_view file = relative.substr(relative.rfind('/') + 1);
        return std::find(files.begin(), files.end(), file) != files.end();
    };
    e.whole = holds(files::kResults) && holds(files::kTeamRegister);
    return e;
}

std::vector<BackupEntry> listBackups(const DataDir& dir) {
    std::vector<BackupEntry> list;
    const fs::path root = fs::path(dir.root()) / files::kBackupFolder;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_directory(ec)) continue;
        const std::string folder = it->path().filename().string();
        if (!parseBackupName(folder)) continue;
        // The note is one short line; a longer file is not a note of ours.
        char note[64];
        std::size_t got = 0;
        const bool noted = fileio::readAt((it->path() / kBackupNote).string(), 0, note, sizeof note, &got);
        auto entry =
            describeBackup(folder, fileNames(it->path()),
                           noted ? std::optional<std::string_view>(std::string_view(note, got)) : std::nullopt);
        if (entry) list.push_back(std::move(*entry));
    }
    std::sort(list.begin(), list.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return backupBefore(b.name, a.name); });
    return list;
}
