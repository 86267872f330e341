#pragma once
// The reports the command panel starts: the standings sheet (F1) and the team list (F3) on
// the printer or as PDF, both as PDF files (F5), both as CSV files (F6), the standings as a
// web page (F7). Each reads the league only and says where its files went. A new export joins
// as one more command here.

#include <QObject>

struct FormServices;

class ReportCommands : public QObject {
    Q_OBJECT
public:
    ReportCommands(QObject* parent, FormServices& services);

    void printStandings();
    void printTeamList();
    void savePdfs();
    void exportCsv();
    void saveWebPage();

private:
    FormServices& s_;
};
