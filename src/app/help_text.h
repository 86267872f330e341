#pragma once
// The operating instructions shown in the help memo. Kept on its own so it is easy to revise.

#include <QString>

namespace help_text {
QString operatingInstructions();
}
