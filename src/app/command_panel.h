#pragma once
// The command panel: ten function-key commands over the main screen, opened and closed
// with ESC. F8 opens the list of copies in Backup/ to restore one (restore_panel.h), F10 the
// import of teams from a CSV file (import_panel.h). One row is highlighted; ↑ ↓ move the
// highlight, Enter runs it, and F1–F10 or a click on a caption choose and run a row at once.

#include <QObject>
#include <array>

#include "form/screen_area.h"

class QFrame;
class QWidget;
class ClickLabel;
class FramedShape;
class HiddenKeyBox;
class ImportPanel;
class RestorePanel;

class CommandPanel : public QObject, public ScreenArea {
    Q_OBJECT
public:
    static constexpr int kRows = 10;
    static constexpr int kCloseRow = 8;

    CommandPanel(QWidget* form, FormServices& services);

    void toggleCommandPanel();
    void highlightCommand();
    bool isOpen() const;
    QFrame* panel() const { return panel_; }

    void Edit_CommandChooseEnter();
    void Edit_CommandChooseKeyDown(int key);
    void Label_CommandNameClick(int row);

private:
    void runCommand(int row);
    void deleteNewestTerm();
    void closeIfOpen();
    // The fourth caption names the newest term when it can be deleted.
    void showDeleteCaption();
    void showRestored(const QString& copy);

    QFrame* panel_;
    HiddenKeyBox* keyBox_;
    std::array<FramedShape*, kRows> shapes_{};
    std::array<ClickLabel*, kRows> captions_{};
    RestorePanel* restore_;
    ImportPanel* import_;
};
