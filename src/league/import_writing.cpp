#include "league/import_writing.h"

#include "store/backup.h"
#include "store/file_transaction.h"
#include "store/results_file.h"
#include "store/team_register.h"
#include "store/text_ops.h"

namespace {

// Puts the preview's teams into images of the two files; false when the files no longer
// look as the preview saw them.
bool apply(const ImportPreview& p, std::string& results, std::string& teams, ImportWrite& w) {
    const RecordLayout& layout = layouts::get(layouts::Team);
    for (const ImportTeam& t : p.teams) {
        const std::size_t record = std::size_t(t.recordNo - 1) * kTeamRecordLength;
        const std::size_t nameAt = record + std::size_t(layouts::offset(layouts::Team, team_field::TeamName));
        const std::string_view held = std::string_view(teams).substr(nameAt, kTeamNameWidth);
        if (t.newRecord ? holdsTeam(held) : held != t.name) return false;
        const std::string before = teams.substr(record, kTeamRecordLength);
        if (t.newRecord) {
            teams.replace(record, kTeamRecordLength, emptyRecord(layout));
            teams.replace(nameAt, kTeamNameWidth, t.name);
        }
        for (int k = 0; k < team_field::TeamName; ++k)
            if (t.details[k])
                teams.replace(record + std::size_t(layout.offsets[k]), t.details[k]->size(), *t.details[k]);
        if (t.groupRow < 0) {
            w.updated += teams.compare(record, kTeamRecordLength, before) != 0;
            continue;
        }
        const std::size_t at = std::size_t(resultRecordOffset(p.termSlot, positionNumber(t.groupSlot, t.groupRow)));
        if (holdsTeam(std::string_view(results).substr(at, kTeamNameWidth))) return false;
        results.replace(at, kTeamNameWidth, t.name);
        ++w.added;
    }
    return true;
}

}  // namespace

ImportWrite writeImport(LeagueModel& m, const DataDir& dir, const ImportPreview& p, const LocalDateTime& now) {
    ImportWrite w;
    if (p.status != ImportPreview::Ready || p.teams.empty()) {
        w.outcome = ImportWrite::NothingToWrite;
        return w;
    }
    if (p.termSlot != m.termSlotIndex) {
        w.outcome = ImportWrite::Changed;
        return w;
    }
    std::optional<std::string> results =
        readImageCovering(dir, resultRecordOffset(p.termSlot, kTeamPositions) + kResultRecordLength);
    bool registerReadable = false;
    std::string teams = readRegisterImage(dir, &registerReadable);
    if (!results || !registerReadable) {
        w.outcome = ImportWrite::Unreadable;
        w.saved = SaveResult::failed(!results ? files::kResults : files::kTeamRegister);
        return w;
    }
    const std::string oldResults = *results, oldTeams = teams;
    if (!apply(p, *results, teams, w)) {
        w = ImportWrite{};
        w.outcome = ImportWrite::Changed;
        return w;
    }
    if (*results == oldResults && teams == oldTeams) {
        w.outcome = ImportWrite::NothingToWrite;
        return w;
    }

    // The copy is kept only once the commit below went through.
    DataBackup backup = DataBackup::make(dir, now, BackupOperation::Import);
    if (!backup) {
        w.saved = backup.result();
        w.outcome = ImportWrite::BackupFailed;
        return w;
    }
    w.backup = backup.relativePath();
    FileTransaction t(dir);
    if (*results != oldResults) t.replace(files::kResults, std::move(*results));
    if (teams != oldTeams) t.replace(files::kTeamRegister, std::move(teams));
    w.saved = t.commit();
    m.registerNames.invalidate();
    if (!w.saved) {
        w.outcome = ImportWrite::NotSaved;
        return w;
    }
    backup.keep();
    w.outcome = ImportWrite::Written;
    countTermTeams(m, dir);
    countRegisteredTeams(m, dir);
    return w;
}

std::string importWriteText(const ImportWrite& w) {
    switch (w.outcome) {
        case ImportWrite::Written: {
            // A sheet that only brings details for teams on file adds none: say what it did.
            if (w.added == 0) return std::to_string(w.updated) + "チームの詳細を更新しました";
            std::string text = std::to_string(w.added) + "チームを取り込みました";
            if (w.updated > 0) text += "（詳細の更新 " + std::to_string(w.updated) + "チーム）";
            return text;
        }
        case ImportWrite::NothingToWrite:
            return "取り込む内容がありません";
        case ImportWrite::Changed:
            return "確認のあとでデータが変わりました。もう一度取り込んでください";
        case ImportWrite::Unreadable:
            return "読めないファイルがあるため取り込めません：" + w.saved.failedFileName();
        case ImportWrite::BackupFailed:
            return "バックアップを作れないため取り込みませんでした：" + w.saved.failedFile();
        case ImportWrite::NotSaved:
            return "保存できないため取り込みませんでした：" + w.saved.failedFileName();
    }
    return std::string();
}
