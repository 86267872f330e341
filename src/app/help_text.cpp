#include "app/help_text.h"

namespace help_text {

QString operatingInstructions() {
    return QStringLiteral(
        "      << 操作説明および注意点 >>\n"
        "\n"
        "（この説明文は順次追加されます）\n");
}

}  // namespace help_text
