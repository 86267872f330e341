#include "store/file_transaction.h"

#include <filesystem>
#include <system_error>

#include "store/file_io.h"

namespace {

constexpr std::string_view kJournalHead = "TALLYFOLD JOURNAL 1\n";
constexpr std::string_view kJournalEnd = "END\n";

// Only files of Data/ are ever named; anything else in a journal means it is not ours.
bool isDataFileName(const std::string& relative) {
    if (relative.rfind("Data/", 0) != 0 || relative.size() <= 5) return false;
    return relative.find('/', 5) == std::string::npos && relative.find("..") == std::string::npos;
}

std::vector<std::string> journalEntries(const std::string& text) {
    std::vector<std::string> names;
    if (text.rfind(kJournalHead, 0) != 0 || text.size() < kJournalHead.size() + kJournalEnd.size() ||
        text.compare(text.size() - kJournalEnd.size(), kJournalEnd.size(), kJournalEnd) != 0)
        return names;
    std::size_t at = kJournalHead.size();
    const std::size_t end = text.size() - kJournalEnd.size();
    while (at < end) {
        std::size_t nl = text.find('\n', at);
        if (nl == std::string::npos || nl > end) return {};
        std::string name = text.substr(at, nl - at);
        if (!isDataFileName(name)) return {};
        names.push_back(std::move(name));
        at = nl + 1;
    }
    return names;
}

}  // namespace

void FileTransaction::replace(std::string relative, std::string bytes) {
    for (auto& f : files_) {
        if (f.first == relative) {
            f.second = std::move(bytes);
            return;
        }
    }
    files_.emplace_back(std::move(relative), std::move(bytes));
}

SaveResult FileTransaction::commit() {
    if (files_.empty()) return SaveResult::saved();
    if (files_.size() == 1)
        return SaveResult::check(fileio::replaceFile(dir_.path(files_[0].first), files_[0].second), files_[0].first);

    for (const auto& [relative, bytes] : files_)
        if (!fileio::mayWrite(dir_.path(relative))) return SaveResult::failed(relative);

    const std::string journal = dir_.path(files::kJournal);
    auto discardAll = [&] {
        for (const auto& f : files_) fileio::discardTemporary(dir_.path(f.first));
        fileio::discardTemporary(journal);
    };
    // Every failure says why; the clean-up after it must not hide the cause.
    auto fail = [&](const std::string& relative, int cause) {
        discardAll();
        return SaveResult::failed(relative, cause);
    };
    for (const auto& [relative, bytes] : files_)
        if (!fileio::writeTemporary(dir_.path(relative), bytes)) return fail(relative, fileio::lastFailure());
    const std::string folder = dir_.path("Data");
    if (int cause = 0; !commitJournal(journal, folder, cause)) return fail(files_[0].first, cause);

    // Committed: from here on the new files are what the folder holds, now or after a restart.
    for (const auto& f : files_) {
        if (fileio::commitTemporary(dir_.path(f.first))) continue;
        const int cause = fileio::lastFailure();
        if (!recoverInterruptedWrites(dir_)) return SaveResult::failed(f.first, cause);
    }
    // Until the renames are durable the journal stays, so that a restart finishes them.
    if (!fileio::syncFolder(folder)) return SaveResult::saved();
    fileio::removeFile(journal);
    fileio::syncFolder(folder);
    return SaveResult::saved();
}

bool FileTransaction::commitJournal(const std::string& journal, const std::string& folder, int& cause) const {
    auto failed = [&] {
        cause = fileio::lastFailure();
        return false;
    };
    // The staged files' names reach the disk before the journal that names them.
    if (!fileio::syncFolder(folder)) return failed();
    if (fileio::testing::plantedFault() == fileio::testing::PlantedFault::NoJournal) return true;
    std::string text(kJournalHead);
    for (const auto& f : files_) text += f.first + "\n";
    text += kJournalEnd;
    if (!fileio::writeTemporary(journal, text) || !fileio::commitTemporary(journal)) return failed();
    // The commit is the journal's name reaching the disk: unless it surely has, the save
    // failed, and the journal goes again so that the folder stays as it was.
    if (fileio::syncFolder(folder)) return true;
    failed();
    fileio::removeFile(journal);
    fileio::syncFolder(folder);
    return false;
}

bool recoverInterruptedWrites(const DataDir& dir) {
    namespace fs = std::filesystem;
    const std::string journal = dir.path(files::kJournal);
    const std::string folder = dir.path("Data");
    bool ok = true;
    if (fileio::isRegularFile(journal)) {
        auto text = fileio::readAll(journal);
        for (const std::string& name : journalEntries(text ? *text : std::string())) {
            const std::string path = dir.path(name);
            if (fileio::isRegularFile(path + std::string(fileio::kTemporarySuffix)))
                ok &= fileio::commitTemporary(path);
        }
        ok &= fileio::syncFolder(folder);
        ok &= fileio::removeFile(journal);
    }
    std::vector<std::string> strays;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (fileio::isTemporaryName(name)) strays.push_back(it->path().string());
    }
    for (const std::string& path : strays) ok &= fileio::removeFile(path);
    if (!strays.empty()) fileio::syncFolder(folder);
    return ok;
}
