#pragma once
// The main form: one fixed window on which every screen of the program lives.

#include <QWidget>
#include <memory>

#include "store/data_dir.h"
#include "store/league_model.h"

class QLabel;
class QTimer;
class HeaderLine;
class GroupTable;
class GroupLetters;
class GroupList;
class TeamList;
class CommandPanel;
class ClickLabel;
class FocusTable;
class HelpArea;
class TimedMessages;
struct FormServices;

class TBaseBall : public QWidget {
    Q_OBJECT
public:
    // workDir holds Data/ (and Zip/, Images/). Creating the form runs the start-up sequence.
    explicit TBaseBall(const QString& workDir, QWidget* parent = nullptr);
    ~TBaseBall() override;

    LeagueModel& model() { return *model_; }
    const DataDir& dataDir() const { return dir_; }
    bool startupFilesReady() const { return filesReady_; }

    FormServices& services() { return *services_; }
    QTimer* errorMessageTimer() const { return timerErrMsg_; }
    QTimer* notDeleteTimer() const { return timerNotDelete_; }

    static QString caption();
    static QUrl makerPage();

public slots:
    void Label_MarrowdyneClick();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    bool FormCloseQuery();
    void buildForm();
    void refreshScreens();

    std::unique_ptr<LeagueModel> model_;
    DataDir dir_;
    std::unique_ptr<FocusTable> focus_;
    std::unique_ptr<FormServices> services_;
    HelpArea* help_ = nullptr;
    TimedMessages* messages_ = nullptr;
    bool filesReady_ = false;
    bool closed_ = false;
    HeaderLine* header_ = nullptr;
    GroupTable* groupTable_ = nullptr;
    GroupLetters* groupLetters_ = nullptr;
    GroupList* groupList_ = nullptr;
    TeamList* teamList_ = nullptr;
    CommandPanel* command_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* notice_ = nullptr;
    ClickLabel* maker_ = nullptr;
    QTimer* timerErrMsg_ = nullptr;
    QTimer* timerNotDelete_ = nullptr;
};
