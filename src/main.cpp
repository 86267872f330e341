#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <exception>

#include "app/base_ball_form.h"
#include "app/folder_in_use.h"
#include "app/work_folder.h"
#include "form/fonts.h"
#include "store/folder_lock.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tallyfold"));
    QApplication::setApplicationVersion(QStringLiteral(TALLYFOLD_VERSION));
    fonts::installSubstitutions();
    // Every screen is Japanese, the file dialog Qt draws included, whatever the desktop's language.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    try {
        // tallyfold [FOLDER]
        const QString folder =
            chooseWorkFolder(QCoreApplication::arguments().mid(1), QDir::currentPath(), QDir::homePath());
        // Held until the process ends. A folder another Tallyfold holds is left as it is.
        const FolderLock lock = FolderLock::take(folder.toStdString());
        if (lock.state() == FolderLock::State::Busy) {
            tellFolderInUse(folder, lock.holder());
            return 1;
        }
        installShippedFiles(folder);
        TBaseBall BaseBall(folder);
        BaseBall.show();
        BaseBall.activateWindow();
        app.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Tallyfold"), QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QStringLiteral("Tallyfold"), QString());
    }
    return 0;
}
