#include "form/area_hook.h"

#include <QtGlobal>
#include <cstdlib>

namespace area_hooks {
namespace {
bool strictHooks = false;
}

void missing(const char* name) {
    if (strictHooks) {
        qCritical("A screen area called the hook %s, which nobody set.", name);
        std::abort();
    }
    qWarning("The hook %s is not set; the call is ignored.", name);
}

void setStrict(bool strict) {
    strictHooks = strict;
}
}  // namespace area_hooks
