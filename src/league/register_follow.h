#pragma once
// The team register after a change of line-up. A team's details are the record that carries its
// name, wherever that lies (an earlier change-over leaves records out of position order), so no
// record is ever overwritten or blanked for another team's sake. A record that does lie at its
// team's position moves along with the team when the new position is free, keeping a register
// in position order in that order.

#include <string>
#include <string_view>

#include "league/line_up.h"

struct RegisterFollow {
    std::string image;          // the first 200 records of the new Data/Info.001
    std::string leavingRecord;  // the leaving team's details (its name alone when it had none)
    bool placed = true;         // false: no free record was left for the returning team
};

// reg: the register's 200 records; oldBlock and newBlock: the term's records before and after
// the plan. leaving: the old position of a team that leaves (-1 for none); its record is the one
// at that position when it bears the team's name, else the first that does, and it is blanked
// unless the teams of newBlock or of newestBlock (the newest term, when an older one changes)
// that still carry the same name need every record of that name. returning: the full record of a team
// that comes back (empty for none), placed where its name is already on record (when no other
// team of the term bears it), else at its new position when free, else in the first free record.
RegisterFollow registerAfter(const std::string& reg, std::string_view oldBlock, std::string_view newBlock,
                             std::string_view newestBlock, const LineUpChange& change, int leaving,
                             const std::string& returning);
