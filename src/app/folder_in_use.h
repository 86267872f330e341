#pragma once
// What a second start on a working folder that another Tallyfold holds tells the user before
// it ends: the folder, and the process that holds it.

#include <QString>

QString folderInUseMessage(const QString& folder, long holder);

// Writes the message to the standard error and, where there is a screen to show it on, in a
// message box the user closes.
void tellFolderInUse(const QString& folder, long holder);
