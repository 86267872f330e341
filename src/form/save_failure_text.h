#pragma once
// Why a save failed, in the words the user reads: the common causes in plain Japanese, any
// other in the system's own text.

#include <QString>

#include "store/save_result.h"

// "（ディスクの空きがありません）" for a full disk (or quota), "（書き込みが許可されていません）" for a
// file or folder that may not be written, "（ファイルが見つかりません）" for a missing one; any
// other cause in the system's text in the user's language, "（…）"; empty without a cause.
QString saveFailureCause(int cause);

// "■Seiseki.001 に保存できませんでした（ディスクの空きがありません）■"
QString saveFailureText(const SaveResult& r);
