#include "form/pager_keys.h"

#include <Qt>

PagerKey pageByKey(ListPager& pager, int qtKey) {
    switch (qtKey) {
        case Qt::Key_Up:
            return {true, pager.up()};
        case Qt::Key_Down:
            return {true, pager.down()};
        case Qt::Key_PageUp:
            return {true, pager.pageUp()};
        case Qt::Key_PageDown:
            return {true, pager.pageDown()};
        default:
            return {};
    }
}
