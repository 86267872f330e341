#include "league/ui/lost_details_text.h"

#include <QStringList>

#include "form/sjis_text.h"
#include "store/text_ops.h"

namespace {
constexpr int kNamesShown = 12;
}

QString lostDetailsQuestion(const std::vector<std::string>& names) {
    QStringList shown;
    for (int i = 0; i < int(names.size()) && i < kNamesShown; ++i) {
        const QString name = fromSjis(trimField(names[i]));
        shown << (name.isEmpty() ? QStringLiteral("（名前のないチーム）") : name);
    }
    QString list = shown.join(QStringLiteral("、"));
    if (int(names.size()) > kNamesShown) list += QStringLiteral(" ほか %1 チーム").arg(int(names.size()) - kNamesShown);
    return QStringLiteral(
               "次のチームは、新しいチーム情報に空きがないため、代表者や連絡先などの詳細が残りません。\n\n"
               "　%1\n\n"
               "入れ替え前のデータは Backup フォルダに残ります。このまま入れ替えを実行しますか？")
        .arg(list);
}
