#pragma once
// The league as the screens edit it: the one object that owns the model and the data folder
// and changes them. Each league operation the user can start has one method here, which calls
// the Qt-free core, reports its saves through reportSave, and then says what changed with a
// signal. The screen areas read the model as const and follow the signals they need; none of
// them writes to the model or the files itself.

#include <QObject>
#include <array>
#include <string>

#include "league/change_over_execution.h"
#include "league/change_over_lineup.h"
#include "league/group_names.h"
#include "league/import_writing.h"
#include "league/suspension.h"
#include "league/team_moves.h"
#include "league/team_rename.h"
#include "session/backup_restore.h"
#include "session/league_session.h"
#include "standings/term_deletion.h"
#include "store/calendar.h"
#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

class LeagueDocument : public QObject {
    Q_OBJECT
public:
    using GroupRecords = std::array<std::string, kTeamsPerGroup>;

    explicit LeagueDocument(const std::string& workDir, QObject* parent = nullptr);

    const LeagueModel& model() const { return m_; }
    const DataDir& dir() const { return dir_; }

    // --- Start and close
    // Finishes an interrupted save, reads every file and shows the newest term from group 1.
    StartupResult start(const CalendarDate& today);
    // Start-up is over: writes from here on are the user's. The log of failed saves gets its
    // room now, while the disk has it.
    void startCountingSaves();
    // Saves the club name, the group letters and the sorted rules; names the first file that failed.
    SaveResult close();
    // Every save reports here. A failed one is told (saveFailed) and logged; when nothing has
    // been written yet in this run, savesFailing(true) says that nothing is being kept, and
    // the first save that goes through takes it back. Returns whether the save succeeded.
    bool reportSave(const SaveResult& r);

    // --- The shown term and group
    // The records of the shown group as last read, row 1 first, and the 20-byte name of row 1..10.
    const GroupRecords& shownRecords() const { return shown_; }
    const std::string& shownName(int row) const { return shownNames_.at(row - 1); }
    const GroupRecords& shownNames() const { return shownNames_; }
    // Reads the shown group afresh: its table, a register record for each of its teams, the
    // selected team's record.
    void showGroup();
    // Group n (1..20) shown from its first team.
    void chooseGroup(int n);
    // The stored term in slot, with the year field's text.
    void showTerm(int slot, const std::string& yearFieldText);
    // The year field and the marks name the shown term again (a choice was not carried out).
    void showShownTermAgain();
    // The half the marks offer; the shown term follows only when a year is confirmed.
    void chooseHalf(int half);
    // The first-use panel's term becomes the first stored term and is shown.
    void registerFirstTerm(int panelYear, int half);
    // The change-over will make the term after the newest: it works on slot 0.
    void beginNewTerm();

    // --- Results and ranks
    // A click on the cell of row i against column j (1..10): the next mark, its mirror, and
    // the standings stored. False when they could not be stored; the group is then read again.
    bool clickResult(int i, int j, bool ranksKeptByHand);
    // A rank typed by hand into row 1..10. A row without a team keeps nothing; false when the
    // rank could not be stored.
    bool storeRank(int row, int rank);

    // --- Names
    void setUserName(const std::string& field40);
    void storeGroupLetter(int slot, GroupColumn column, char letter);
    // The row the user is in, even when the entry is refused.
    void noteSelectedRow(int row);
    // The team of row (0..9) becomes the selected one.
    void selectTeam(int row);
    // The name typed into row (0..9), as its 20-byte field; RegisterFull changes nothing.
    NameChange writeTeamName(int row, const std::string& field);
    void moveTeam(int row, MoveDirection d);
    // Field k of team record recordNo; false when it could not be stored.
    bool writeDetail(int recordNo, int k, const std::string& bytes);
    // The saved postal codes counted again from Data/MyZip.001.
    int countSavedCodes();

    // --- Suspension, withdrawal and return
    void setAllTeamsLinked(bool linked);
    LineUpResult removeTeam(const LineUpRequest& at, Leaving how);
    LineUpResult returnTeam(const LineUpRequest& at, int k);
    LineUpResult withdrawSuspended(int k);

    // --- Change-over
    DraftTeams prepareChangeOver();
    LineUpChangeResult changeLineUp(int draftSlot, int revisedSlot);
    CountsChange setTeamsPerGroup(const std::array<int, kGroups>& counts);
    bool deleteRule(int index);
    // lossAccepted: the organiser was told whose details find no record and went ahead.
    ChangeOverRun executeChangeOver(bool lossAccepted);
    // The screen is left without carrying out: the newest term's counts per group again and,
    // when it was opened for a new term, the newest term shown.
    void leaveChangeOver(bool showNewest);

    // --- Whole-league operations
    TermDeletion deleteNewestTerm();
    RestoreRun restore(const std::string& folder);
    // Teams from a spreadsheet, as the preview showed them, after a copy of Data/; the shown
    // group is then read afresh.
    ImportWrite importTeams(const ImportPreview& p);

signals:
    // The shown term changed: the year field and the term marks.
    void termChanged();
    // Only the half the marks offer changed.
    void halfChosen();
    // The counts of the header line (teams of the shown term, suspended teams).
    void countsChanged();
    // The shown group was read afresh: its letters, table, names, the group list's selection
    // and the selected team's details.
    void groupShown();
    // Another team (or another record of the same team) is selected.
    void selectedTeamChanged();
    // A letter of group slot changed.
    void lettersChanged(int slot);
    // The change-over's line-up or its counts per group changed.
    void lineUpChanged();
    // A change-over rule was deleted.
    void rulesChanged();
    // The stored terms were replaced (change-over, deletion, restore, start): everything the
    // header line and the command panel show.
    void leagueReloaded();
    // What reading Data/ found, at a start and after a restore.
    void startupChecked(const StartupResult& r);
    // A save failed: its file and cause.
    void saveFailed(const SaveResult& r);
    // Nothing has been saved in this run and saves fail (true), or a save went through (false).
    void savesFailing(bool failing);

private:
    friend LeagueModel& modelForTesting(LeagueDocument& d);

    // The save of an operation that went through or failed; refusals have none to report.
    void reportLineUp(const LineUpResult& r);
    void afterReload();

    LeagueModel m_;
    DataDir dir_;
    GroupRecords shown_;
    GroupRecords shownNames_;
    long writesAtStart_ = 0;
    bool nothingSavedShown_ = false;
};

// Tests reach states the screens cannot (a later today, a count) through this, which only the
// test support defines: the program itself would not link with a call to it.
LeagueModel& modelForTesting(LeagueDocument& d);
