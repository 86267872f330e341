// Only the league document writes to the model among the screens. The compiler proves most of
// it: the areas are given the model as const, and the one mutable way in, modelForTesting, is
// defined by the test support alone, so the program would not link with a call to it. What the
// compiler cannot see is a cast or a mutable reference taken around that; this scan finds them.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kSources = fs::path(TALLYFOLD_FIXTURES) / ".." / ".." / "src";

bool isScreenFile(const fs::path& p) {
    const std::string s = p.generic_string();
    return s.find("/ui/") != std::string::npos || s.find("/app/") != std::string::npos ||
           s.find("/form/") != std::string::npos;
}

// A reference to the model that is not const.
bool mutableModel(const std::string& line) {
    static const std::regex ref(R"(LeagueModel\s*&)");
    for (auto it = std::sregex_iterator(line.begin(), line.end(), ref); it != std::sregex_iterator(); ++it) {
        const std::size_t at = std::size_t(it->position());
        if (at < 6 || line.compare(at - 6, 6, "const ") != 0) return true;
    }
    return false;
}

template <typename Matches>
std::vector<std::string> offendingLines(Matches matches) {
    std::vector<std::string> found;
    for (const auto& e : fs::recursive_directory_iterator(kSources)) {
        const fs::path& p = e.path();
        if (!e.is_regular_file() || !isScreenFile(p) || p.stem() == "league_document") continue;
        std::ifstream in(p);
        std::string line;
        for (int n = 1; std::getline(in, line); ++n)
            if (matches(line))
                found.push_back(fs::relative(p, kSources).generic_string() + ":" + std::to_string(n) + ": " + line);
    }
    return found;
}

std::string joined(const std::vector<std::string>& lines) {
    std::ostringstream out;
    for (const auto& l : lines) out << l << '\n';
    return out.str();
}

TEST(ModelWrites, NoScreenFileTakesTheModelMutably) {
    ASSERT_TRUE(fs::exists(kSources / "form" / "league_document.h"));
    EXPECT_FALSE(mutableModel("const LeagueModel& m = s.model;"));
    EXPECT_TRUE(mutableModel("void f(LeagueModel& m);"));
    EXPECT_EQ(joined(offendingLines(mutableModel)), "");
    static const std::regex escape(R"(const_cast|modelForTesting)");
    EXPECT_EQ(joined(offendingLines([](const std::string& l) { return std::regex_search(l, escape); })), "");
}

}  // namespace
