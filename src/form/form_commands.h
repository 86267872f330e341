#pragma once
// What one screen area asks of another that changes no league data: the user's commands
// (open the command panel, the change-over screen, a team's panel, a report) and the marks
// that go with them. The area that carries a command out connects to its signal when it is
// built; the area that takes the command from the user emits it. No area reaches into
// another, and the main form wires nothing by hand.

#include <QObject>
#include <QString>

class FormCommands : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // [ESC] in a field: the command panel opens, or closes when it is open.
    void toggleCommandPanel();
    // The change-over screen; fromCommandPanel: the panel stays open beneath it.
    void openChangeOver(bool fromCommandPanel);
    // F6, F7 and F8 in row n (1..10) of the team list.
    void openWithdrawal(int n);
    void openSuspension(int n);
    void openReturn(int n);
    // Row n's frame lime while a panel acts on its team; when it closes, the current team's red.
    void markTeamRow(int n, bool actedOn);
    // The reports of the command panel: F1, F3, F5, F6 and F7.
    void printStandings();
    void printTeamList();
    void savePdfs();
    void exportCsv();
    void saveWebPage();
    // A file dropped onto the window: teams to import from it.
    void importFile(const QString& path);
};
