#pragma once
// The working folder the program opens, the one that holds Data/:
//   tallyfold FOLDER   FOLDER (made when missing);
//   tallyfold          the current folder when it holds Data/, else ~/Tallyfold, made when
//                      missing, so that a launcher started from any desktop finds the league.

#include <QString>
#include <QStringList>

// arguments: the command line without the program's name. A relative FOLDER is taken from
// currentDir. Folders that cannot be made are returned all the same: the main form then
// tells the user that nothing can be saved there.
QString chooseWorkFolder(const QStringList& arguments, const QString& currentDir, const QString& home);

// Copies the files an installed program ships (the pictures of Images/, …) from shared into
// folder, leaving every file that is already there as it is.
void copyShippedFiles(const QString& shared, const QString& folder);

// Copies the shipped files of an installed program (from beside the program) into folder.
void installShippedFiles(const QString& folder);

// The working folder for this process: its arguments, current folder and home, with the
// shipped files of an installed program copied in.
QString openWorkFolder(const QStringList& arguments);
