// Data/ChangePos.001 read alone: the position map of the change-over, the rule list, each
// record by number and the rule of each position.

#include "fuzz_folder.h"
#include "league/change_over_rules.h"
#include "store/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFolder& f = layFile(files::kChangePositions, data, size);
    (void)loadChangePositions(f.model, f.dir);
    const std::vector<ChangeOverRule> rules = readChangeOverRules(f.dir);
    for (std::size_t i = 0; i < rules.size() && i < 400; ++i) {
        (void)isLastingRule(rules[i]);
        (void)readChangePosition(f.dir, int(i) + 1);
    }
    (void)ruleSourceFor(f.dir, 1 + int(size % kChangePositions));
    return 0;
}
