#pragma once
// The main form: one fixed window on which every screen of the program lives.

#include <QWidget>
#include <memory>

#include "form/form_state.h"
#include "session/league_session.h"
#include "store/data_dir.h"
#include "store/league_model.h"

class QLabel;
class QTimer;
class HeaderLine;
class GroupTable;
class GroupLetters;
class GroupList;
class TeamList;
class DetailsArea;
class CommandPanel;
class ChangeOverScreen;
class ClickLabel;
class FocusTable;
class HelpArea;
class TimedMessages;
class SavedFileMessage;
class LeagueDocument;
class FormCommands;
struct FormServices;

class TBaseBall : public QWidget {
    Q_OBJECT
public:
    // workDir holds Data/ (and Zip/, Images/). Creating the form runs the start-up sequence.
    explicit TBaseBall(const QString& workDir, QWidget* parent = nullptr);
    ~TBaseBall() override;

    const LeagueModel& model() const;
    LeagueDocument& document() { return *document_; }
    FormState& state() { return state_; }
    const DataDir& dataDir() const;
    bool startupFilesReady() const { return filesReady_; }

    FormServices& services() { return *services_; }
    TimedMessages& messages() { return *messages_; }
    SavedFileMessage& savedFileMessage() { return *savedFiles_; }
    QTimer* errorMessageTimer() const;
    QTimer* notDeleteTimer() const;

    // "Tallyfold　Ver 10.11.23": the program and its version.
    static QString caption();
    static QUrl makerPage();

public slots:
    void Label_MarrowdyneClick();

protected:
    void closeEvent(QCloseEvent* e) override;
    // A file dropped onto the window is imported, as F10 of the command panel imports one.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    // The fields move the focus in the program's own order; Qt's chain of widgets is not used.
    bool focusNextPrevChild(bool next) override;

private:
    void FormCreate();
    // False when something could not be saved; the user has been told.
    bool FormCloseQuery();
    void buildForm();
    void showNotice(const QString& text);
    // The line that stays on screen when Data/ cannot take what is typed; at a start and
    // after a restore.
    void showStartupNotice(const StartupResult& r);

    LeagueDocument* document_;
    FormState state_;
    std::unique_ptr<FocusTable> focus_;
    FormCommands* commands_ = nullptr;
    std::unique_ptr<FormServices> services_;
    HelpArea* help_ = nullptr;
    TimedMessages* messages_ = nullptr;
    SavedFileMessage* savedFiles_ = nullptr;
    bool filesReady_ = false;
    bool closed_ = false;
    bool closeFailureShown_ = false;
    HeaderLine* header_ = nullptr;
    GroupTable* groupTable_ = nullptr;
    GroupLetters* groupLetters_ = nullptr;
    GroupList* groupList_ = nullptr;
    TeamList* teamList_ = nullptr;
    DetailsArea* details_ = nullptr;
    CommandPanel* command_ = nullptr;
    ChangeOverScreen* changeOver_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLabel* notice_ = nullptr;
    ClickLabel* maker_ = nullptr;
};
