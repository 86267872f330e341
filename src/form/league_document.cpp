#include "form/league_document.h"

#include "contacts/saved_postal_codes.h"
#include "contacts/team_details.h"
#include "league/change_over_rules.h"
#include "league/team_names.h"
#include "standings/result_codes.h"
#include "standings/standings.h"
#include "standings/term_choice.h"
#include "store/file_io.h"
#include "store/newest_term.h"
#include "store/record_layout.h"
#include "store/results_file.h"
#include "store/save_log.h"
#include "store/settings_files.h"
#include "store/suspended_register.h"
#include "store/text_ops.h"

LeagueDocument::LeagueDocument(const std::string& workDir, QObject* parent) : QObject(parent), dir_(workDir) {
    shown_.fill(emptyRecord(layouts::get(layouts::Result)));
    shownNames_.fill(fillSpaces(kTeamNameWidth));
}

// --- Start and close

StartupResult LeagueDocument::start(const CalendarDate& today) {
    const StartupResult r = loadLeague(m_, dir_, today);
    emit startupChecked(r);
    afterReload();
    return r;
}

void LeagueDocument::startCountingSaves() {
    writesAtStart_ = fileio::writesDone();
    reserveSaveLog(dir_);
}

SaveResult LeagueDocument::close() {
    return closeLeague(m_, dir_);
}

bool LeagueDocument::reportSave(const SaveResult& r) {
    if (r.ok()) {
        if (nothingSavedShown_ && fileio::writesDone() != writesAtStart_) {
            nothingSavedShown_ = false;
            emit savesFailing(false);
        }
        return true;
    }
    emit saveFailed(r);
    logSaveFailure(dir_, r, currentDateTime());
    if (fileio::writesDone() == writesAtStart_) {
        nothingSavedShown_ = true;
        emit savesFailing(true);
    }
    return false;
}

void LeagueDocument::afterReload() {
    emit leagueReloaded();
    showGroup();
}

// --- The shown term and group

void LeagueDocument::showGroup() {
    shown_ = readGroupRecords(dir_, m_.termSlotIndex, m_.currentGroup - 1);
    m_.table = tableFromRecords(shown_);
    const std::size_t at = layouts::offset(layouts::Result, result_field::TeamName);
    for (int r = 0; r < kTeamsPerGroup; ++r) shownNames_[r] = shown_[r].substr(at, kTeamNameWidth);
    reportSave(registerShownTeams(m_, dir_, shownNames_));
    reportSave(::selectTeam(m_, dir_, m_.currentGroup - 1, rowOfPosition(m_.currentRecordNo)));
    emit groupShown();
}

void LeagueDocument::chooseGroup(int n) {
    if (n < 1 || n > kGroups || n == m_.currentGroup) return;
    m_.currentGroup = n;
    m_.currentRecordNo = positionNumber(n - 1, 0);
    m_.selectedRow = 0;
    showGroup();
}

void LeagueDocument::showTerm(int slot, const std::string& yearFieldText) {
    m_.termSlotIndex = slot;
    m_.yearFieldText = yearFieldText;
    countTermTeams(m_, dir_);
    emit termChanged();
    emit countsChanged();
    showGroup();
}

void LeagueDocument::showShownTermAgain() {
    const TermName shown = storedTerm(dir_, m_.termSlotIndex);
    if (shown.year != 0) {
        m_.termHalf = shown.half;
        m_.yearFieldText = formatNumber(shown.year, 2);
    } else {
        readTermSlots(m_, dir_);
    }
    emit termChanged();
}

void LeagueDocument::chooseHalf(int half) {
    if (m_.termHalf == half) return;
    m_.termHalf = half;
    emit halfChosen();
}

void LeagueDocument::registerFirstTerm(int panelYear, int half) {
    m_.termSlotIndex = 0;
    m_.termHalf = half;
    const int year = firstTermYear(m_, panelYear);
    reportSave(setNewestKey(dir_, makeTermKey(year, half)));
    readTermSlots(m_, dir_);
    countTermTeams(m_, dir_);
    emit termChanged();
    emit countsChanged();
    showGroup();
}

void LeagueDocument::beginNewTerm() {
    m_.termSlotIndex = 0;
}

// --- Results and ranks

bool LeagueDocument::clickResult(int i, int j, bool ranksKeptByHand) {
    if (i == j || i < 1 || j < 1 || i > kTeamsPerGroup || j > kTeamsPerGroup) return false;
    int& code = m_.table.results[i - 1][j - 1];
    code = nextResultOnClick(code);
    m_.table.results[j - 1][i - 1] = mirrorResult(code);
    TeamRows teams{};
    for (int r = 0; r < kTeamsPerGroup; ++r) teams[r] = holdsTeam(shownNames_[r]);
    const SaveResult saved =
        RecomputeStandings(m_.table, dir_, m_.termSlotIndex, m_.currentGroup - 1, teams, ranksKeptByHand);
    if (reportSave(saved)) return true;
    // Nothing was stored, so the table goes back to what the file holds.
    showGroup();
    return false;
}

bool LeagueDocument::storeRank(int row, int rank) {
    if (!holdsTeam(shownName(row))) return true;
    return reportSave(writeRank(dir_, m_.termSlotIndex, m_.currentGroup - 1, row - 1, rank));
}

// --- Names

void LeagueDocument::setUserName(const std::string& field40) {
    const std::string before = m_.userName;
    m_.userName = field40;
    // Kept at once, so a crash or a power cut does not lose it; saved again at close. A name
    // that could not be kept is not shown as if it were.
    if (m_.userName != before && !reportSave(saveUserName(m_, dir_))) m_.userName = before;
}

void LeagueDocument::storeGroupLetter(int slot, GroupColumn column, char letter) {
    reportSave(::storeGroupLetter(m_, dir_, slot, column, letter));
    emit lettersChanged(slot);
}

void LeagueDocument::noteSelectedRow(int row) {
    m_.selectedRow = row;
}

void LeagueDocument::selectTeam(int row) {
    const bool otherTeam = m_.currentRecordNo != positionNumber(m_.currentGroup - 1, row);
    reportSave(::selectTeam(m_, dir_, m_.currentGroup - 1, row));
    emit selectedTeamChanged();
    if (otherTeam) showGroup();
}

NameChange LeagueDocument::writeTeamName(int row, const std::string& field) {
    NameChange change;
    if (field != shownNames_[row]) change = changeTeamName(m_, dir_, m_.termSlotIndex, m_.currentGroup - 1, row, field);
    if (change.outcome == NameChangeOutcome::RegisterFull) return change;
    reportSave(change.saved);
    emit countsChanged();
    showGroup();
    // The team's register record, renamed with it or found or allocated by its new name.
    reportSave(::selectTeam(m_, dir_, m_.currentGroup - 1, row));
    emit selectedTeamChanged();
    return change;
}

void LeagueDocument::moveTeam(int row, MoveDirection d) {
    reportSave(::moveTeam(m_, dir_, m_.termSlotIndex, m_.currentGroup - 1, row, d));
    showGroup();
    emit selectedTeamChanged();
}

bool LeagueDocument::writeDetail(int recordNo, int k, const std::string& bytes) {
    return reportSave(details::writeDetail(m_, dir_, recordNo, k, bytes));
}

int LeagueDocument::countSavedCodes() {
    ::countSavedCodes(m_, dir_);
    return m_.savedCodeCount;
}

// --- Suspension, withdrawal and return

void LeagueDocument::setAllTeamsLinked(bool linked) {
    m_.allTeamsLinked = linked ? 1 : 0;
}

void LeagueDocument::reportLineUp(const LineUpResult& r) {
    // A change that was saved goes to the report as well: it takes back the line that says
    // nothing is being saved.
    if (r.outcome == LineUpOutcome::Done || r.outcome == LineUpOutcome::NotSaved) reportSave(r.saved);
}

LineUpResult LeagueDocument::removeTeam(const LineUpRequest& at, Leaving how) {
    const LineUpResult r = ::removeTeam(m_, dir_, at, how, currentDateTime());
    showGroup();
    countSuspended(m_, dir_);
    emit countsChanged();
    reportLineUp(r);
    return r;
}

LineUpResult LeagueDocument::returnTeam(const LineUpRequest& at, int k) {
    const LineUpResult r = ::returnTeam(m_, dir_, at, k, currentDateTime());
    showGroup();
    emit countsChanged();
    reportLineUp(r);
    return r;
}

LineUpResult LeagueDocument::withdrawSuspended(int k) {
    const LineUpResult r = ::withdrawSuspended(m_, dir_, k, currentDateTime());
    emit countsChanged();
    reportLineUp(r);
    return r;
}

// --- Change-over

DraftTeams LeagueDocument::prepareChangeOver() {
    return ::prepareChangeOver(m_, dir_);
}

LineUpChangeResult LeagueDocument::changeLineUp(int draftSlot, int revisedSlot) {
    const LineUpChangeResult r = applyLineUpChange(m_, dir_, draftSlot, revisedSlot);
    switch (r.kind) {
        case LineUpChange::Nothing:
        case LineUpChange::GroupFull:
        case LineUpChange::SuspendedFull:
            return r;
        case LineUpChange::Moved:
        case LineUpChange::NotSaved:  // nothing moved: the screen shows what is stored
            reportSave(r.saved);
            break;
        case LineUpChange::Suspended:
        case LineUpChange::Returned:
            break;
    }
    emit lineUpChanged();
    return r;
}

CountsChange LeagueDocument::setTeamsPerGroup(const std::array<int, kGroups>& counts) {
    const CountsChange c = reflowTeamsPerGroup(m_, counts);
    if (c.kind != CountsChange::OutOfRange && c.kind != CountsChange::TooFew) emit lineUpChanged();
    return c;
}

bool LeagueDocument::deleteRule(int index) {
    if (!reportSave(deleteChangeOverRule(dir_, index))) return false;
    emit rulesChanged();
    return true;
}

ChangeOverRun LeagueDocument::executeChangeOver(bool lossAccepted) {
    const ChangeOverRun run = ::executeChangeOver(m_, dir_, currentDateTime(), lossAccepted);
    if (run.outcome == ChangeOverOutcome::NotSaved || run.outcome == ChangeOverOutcome::Done) reportSave(run.saved);
    if (run.outcome == ChangeOverOutcome::Done) afterReload();
    return run;
}

void LeagueDocument::leaveChangeOver(bool showNewest) {
    // Outside the screen the counts per group are the newest term's again; the next opening
    // would count them anew in any case.
    countGroupTeams(m_, dir_);
    if (!showNewest) return;
    showNewestTerm(m_, dir_);
    emit termChanged();
    emit countsChanged();
    showGroup();
}

// --- Whole-league operations

TermDeletion LeagueDocument::deleteNewestTerm() {
    const TermDeletion d = deleteNewestTermOnce(m_, dir_, currentDateTime());
    if (d.outcome == TermDeletionOutcome::NotSaved || d.outcome == TermDeletionOutcome::Deleted) reportSave(d.saved);
    if (d.outcome == TermDeletionOutcome::Deleted) afterReload();
    return d;
}

RestoreRun LeagueDocument::restore(const std::string& folder) {
    const RestoreRun run = restoreBackup(m_, dir_, folder, currentDateTime());
    if (run.outcome == RestoreOutcome::NotSaved || run.outcome == RestoreOutcome::Restored) reportSave(run.saved);
    if (run.outcome == RestoreOutcome::Restored) {
        // What a start says about the folder is said again for the folder now in use.
        emit startupChecked(run.reloaded);
        afterReload();
    }
    return run;
}

ImportWrite LeagueDocument::importTeams(const ImportPreview& p) {
    const ImportWrite w = writeImport(m_, dir_, p, currentDateTime());
    if (w.outcome == ImportWrite::NotSaved || w.outcome == ImportWrite::Written) reportSave(w.saved);
    if (w.outcome != ImportWrite::Written) return w;
    emit countsChanged();
    showGroup();
    return w;
}
