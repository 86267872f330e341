#include "standings/ui/rank_reason_help.h"

#include "form/help_area.h"

void RankReasonHelp::show(int row, const QString& line1, const QString& line2) {
    if (row_ == 0) {
        before1_ = help_.line1();
        before2_ = help_.line2();
    }
    row_ = row;
    shown1_ = line1;
    shown2_ = line2;
    help_.setPointerHelp(line1, line2);
}

bool RankReasonHelp::showing() const {
    return row_ != 0 && help_.line1() == shown1_ && help_.line2() == shown2_;
}

void RankReasonHelp::restore() {
    // A field that took the focus meanwhile has put its own help there; it stays.
    if (showing()) help_.setPointerHelp(before1_, before2_);
    row_ = 0;
}
