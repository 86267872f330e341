#include "print/report_file_name.h"

namespace {
constexpr int kHeiseiBase = 1988;
}

std::string reportTitle(Report report) {
    return report == Report::StandingsSheet ? "勝敗表" : "チーム一覧";
}

std::string termName(const TermLabel& term) {
    if (term.heiseiYear <= 0) return std::string();
    return std::to_string(term.heiseiYear + kHeiseiBase) + (term.half == 1 ? "後期" : "前期");
}

std::string reportFileName(Report report, const TermLabel& term, std::string_view extension) {
    const std::string name = termName(term);
    return reportTitle(report) + (name.empty() ? std::string() : "_" + name) + std::string(extension);
}
