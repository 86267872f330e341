#include "form/fonts.h"

#include <QFont>

namespace fonts {

void installSubstitutions() {
    const struct {
        QString name;
        QString ascii;
        QString target;
    } table[] = {
        {kPGothic, QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic")},
        {kMincho, QStringLiteral("MS Mincho"), QStringLiteral("IPAMincho")},
        {kGothic, QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")},
    };
    for (const auto& row : table) {
        QFont::insertSubstitution(row.name, row.target);
        QFont::insertSubstitution(row.ascii, row.target);
    }
}

}  // namespace fonts
