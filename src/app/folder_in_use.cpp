#include "app/folder_in_use.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>

QString folderInUseMessage(const QString& folder, long holder) {
    const QString process =
        holder > 0 ? QStringLiteral("（プロセス番号 %1）").arg(holder) : QStringLiteral("（プロセス番号は不明）");
    return QStringLiteral(
               "このフォルダは、すでに起動している Tallyfold%1が使っています。\n\n%2\n\n"
               "同じフォルダを二つの Tallyfold で開くと、互いの保存を上書きしてしまいます。"
               "先に起動した Tallyfold をお使いください。")
        .arg(process, QDir::toNativeSeparators(folder));
}

void tellFolderInUse(const QString& folder, long holder) {
    const QString text = folderInUseMessage(folder, holder);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    // Without a screen nobody could close the box.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return;
    QMessageBox::warning(nullptr, QStringLiteral("Tallyfold"), text);
}
