#include "import_fixture.h"

#include "store/file_io.h"
#include "store/record_layout.h"
#include "store/sjis.h"
#include "store/text_ops.h"
#include "support/records.h"

void ImportFixture::SetUp() {
    m.groupBlock.replace(0, 6, "A1B2C3");
    m.termSlotIndex = 0;
    // A1 holds 北斗 in row 1 and 南風 in row 3 (row 2 empty); B2 holds nine teams; C3 none.
    std::initializer_list<std::pair<int, std::string>> a1 = {{1, resultRecord("北斗", " 1   ")},
                                                             {3, resultRecord("南風", "2    ")}};
    std::string block = termBlock(a1);
    for (int row = 0; row < 9; ++row)
        block.replace(std::size_t(10 + row) * 46, 46, resultRecord("Ｂチーム" + std::to_string(row + 1), " 1 2"));
    results = resultsHeader("380") + block;
    teams = teamRegister(
        {{1, teamRecord("北村", "北斗")}, {2, teamRecord("", "南風")}, {4, teamRecord("旧", "昔のチーム")}});
    t.write(files::kResults, results);
    t.write(files::kTeamRegister, teams);
    t.write(files::kSuspended, teamRecord("休", "休んでる"));
}

void ImportFixture::TearDown() {
    fileio::testing::reset();
    setClockForTesting(std::nullopt);
}

std::string ImportFixture::record(int n) const {
    return t.read(files::kTeamRegister).substr(std::size_t(n - 1) * 1000, 1000);
}

std::string ImportFixture::field(int n, int k) const {
    return record(n).substr(std::size_t(layouts::offset(layouts::Team, k)),
                            std::size_t(layouts::width(layouts::Team, k)));
}

std::string stored(int k, const std::string& utf8) {
    return padField(sjis::fromUnicode(utf8), false, std::size_t(layouts::width(layouts::Team, k)));
}
