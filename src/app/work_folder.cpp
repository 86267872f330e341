#include "app/work_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "store/data_folder_swap.h"

namespace {
constexpr const char* kDefaultFolder = "Tallyfold";
// Where an installed program keeps its shipped files, from the folder of the program.
constexpr const char* kSharedFromProgram = "/../share/tallyfold";
// Data/, or the folder a restore stopped between its two renames left in its place.
bool holdsLeague(const QString& folder) {
    for (const char* name : {"Data", kOutgoingDataFolder})
        if (QFileInfo(QDir(folder).filePath(QString::fromLatin1(name))).isDir()) return true;
    return false;
}

}  // namespace

QString chooseWorkFolder(const QStringList& arguments, const QString& currentDir, const QString& home) {
    QString folder;
    if (!arguments.isEmpty() && !arguments.first().isEmpty())
        folder = QDir(currentDir).absoluteFilePath(arguments.first());
    else if (holdsLeague(currentDir))
        folder = currentDir;
    else
        folder = QDir(home).filePath(QString::fromLatin1(kDefaultFolder));
    folder = QDir::cleanPath(folder);
    QDir().mkpath(folder);
    return folder;
}

void copyShippedFiles(const QString& shared, const QString& folder) {
    if (!QFileInfo(shared).isDir() || !QFileInfo(folder).isDir()) return;
    const QDir from(shared);
    QDirIterator it(shared, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = QDir(folder).filePath(from.relativeFilePath(source));
        if (QFileInfo::exists(target)) continue;
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

void installShippedFiles(const QString& folder) {
    copyShippedFiles(QDir::cleanPath(QCoreApplication::applicationDirPath() + QString::fromLatin1(kSharedFromProgram)),
                     folder);
}

QString openWorkFolder(const QStringList& arguments) {
    const QString folder = chooseWorkFolder(arguments, QDir::currentPath(), QDir::homePath());
    installShippedFiles(folder);
    return folder;
}
