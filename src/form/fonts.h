#pragma once
// The form names its fonts as the Windows fonts; these map them to the IPA fonts.

#include <QString>

namespace fonts {
inline const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString kMincho = QStringLiteral("ＭＳ 明朝");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");

// Maps the form's font names (and their ASCII spellings) to IPAPGothic, IPAMincho, IPAGothic.
void installSubstitutions();
}  // namespace fonts
