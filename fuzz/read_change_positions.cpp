// Data/ChangePos.001 read alone: the position map of the change-over, the rule list, each
// record by number and the rule of each position.

#include "fuzz_folder.h"
#include "league/change_over_rules.h"
#include "store/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = layFile(files::kChangePositions, data, size);
    (void)loadChangePositions(f.model, f.dir);
    const std::vector<ChangeOverRule> rules = readChangeOverRules(f.dir);
    for (const ChangeOverRule& r : rules) (void)isLastingRule(r);
    // Records by number as the rule list reads them: the first, the last and one past it.
    for (int i : {0, 1, int(rules.size()), int(rules.size()) + 1}) (void)readChangePosition(f.dir, i);
    (void)ruleSourceFor(f.dir, 1 + int(size % kChangePositions));
    return 0;
}
