#include "form/save_failure_text.h"

#include <cerrno>
#include <cstring>

namespace {

// The system's text for a cause, in the user's language where the system has it.
QString systemText(int cause) {
    char buf[256] = {};
    const char* text = strerror_r(cause, buf, sizeof buf);
    const QString s = text ? QString::fromLocal8Bit(text).trimmed() : QString();
    return s.isEmpty() ? QStringLiteral("エラー番号 %1").arg(cause) : s;
}

}  // namespace

QString saveFailureCause(int cause) {
    switch (cause) {
        case 0:
            return QString();
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("（ディスクの空きがありません）");
        case EACCES:
        case EPERM:
        case EROFS:
            return QStringLiteral("（書き込みが許可されていません）");
        case ENOENT:
            return QStringLiteral("（ファイルが見つかりません）");
        default:
            return QStringLiteral("（%1）").arg(systemText(cause));
    }
}

QString saveFailureText(const SaveResult& r) {
    return QStringLiteral("■%1 に保存できませんでした%2■")
        .arg(QString::fromStdString(r.failedFileName()), saveFailureCause(r.cause()));
}
