#pragma once
// The question the change-over asks when the details of some teams would find no record in the
// new team register (a full league): which teams, and that the copy of Data/ keeps them.

#include <QString>
#include <string>
#include <vector>

// names: the 20-byte Shift-JIS names of those teams.
QString lostDetailsQuestion(const std::vector<std::string>& names);
