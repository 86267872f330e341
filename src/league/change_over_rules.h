#pragma once
// The change-over rules of Data/ChangePos.001 as the rule list shows them. A rule (target,
// source) says: the draft team at position target goes to position source of the revised
// line-up. Positions count from 1: (group − 1) × 10 + rank.

#include <string>
#include <vector>

#include "store/data_dir.h"
#include "store/save_result.h"

struct ChangeOverRule {
    int target = 0;
    int source = 0;
};

// Every whole record, in file order; a field that is not a number reads as 0.
std::vector<ChangeOverRule> readChangeOverRules(const DataDir& dir);

// Stores the rule target -> source made on the change-over screen: the record of that target
// is rewritten in place (a later one for the same target, which an older file may hold, is
// removed), or one is appended. A rule of another target for the same revised position no
// longer holds (its team was moved out of it on screen) and is removed, so that the rules give
// the same line-up whatever order they are read in. A team put back in its own place needs no
// rule: the target's record is removed and none is written.
SaveResult storeChangeOverRule(const DataDir& dir, int target, int source);

// A rule between two team positions; any other record (the older program wrote some for the
// suspended column) is listed as a temporary rule.
bool isLastingRule(const ChangeOverRule& r);

// The revised position the first rule for target gives the draft team there; 0 when none.
int ruleSourceFor(const DataDir& dir, int target);

// Removes record index (0-based). The file is replaced as a whole; every other record keeps
// its bytes and its order.
SaveResult deleteChangeOverRule(const DataDir& dir, int index);
