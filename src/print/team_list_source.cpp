#include "print/team_list_source.h"

#include "print/shown_term.h"
#include "store/record_layout.h"
#include "store/team_register.h"

namespace {

// The team register as read, and the lookup of a team's record by its stored name.
class TeamRegister {
public:
    explicit TeamRegister(const DataDir& dir) : layout_(layouts::get(layouts::Team)), bytes_(readRegisterImage(dir)) {}

    // The first record whose team-name field equals the name; blanks when there is none,
    // so that a team never shows another team's details.
    TeamContacts contactsOf(const std::string& name) const {
        TeamContacts c;
        if (!holdsTeam(name)) return c;
        for (int i = 0; i < kTeamPositions; ++i) {
            const std::size_t at = std::size_t(i) * layout_.recordLength;
            if (field(at, team_field::TeamName) != name) continue;
            c.representative = field(at, team_field::Representative);
            c.mobile = field(at, team_field::Mobile);
            c.telephone = field(at, team_field::Telephone);
            c.fax = field(at, team_field::Fax);
            c.postalCode = field(at, team_field::PostalCode);
            c.prefecture = field(at, team_field::Prefecture);
            c.city = field(at, team_field::City);
            c.street = field(at, team_field::Street);
            c.building = field(at, team_field::Building);
            c.mail = field(at, team_field::Mail);
            c.remarks = field(at, team_field::Remarks);
            return c;
        }
        return c;
    }

private:
    std::string field(std::size_t at, int i) const { return bytes_.substr(at + layout_.offsets[i], layout_.widths[i]); }

    const RecordLayout& layout_;
    std::string bytes_;
};

}  // namespace

std::optional<TeamListData> gatherTeamList(const LeagueModel& m, const DataDir& dir, ListDate today) {
    const std::optional<ShownTerm> shown = readShownTerm(m, dir);
    if (!shown) return std::nullopt;
    const TeamRegister teams(dir);
    TeamListData data;
    data.term = shown->term;
    data.clubName = m.userName;
    data.date = today;
    data.termTeamCount = shown->teamCount();
    const std::vector<CountedGroup> groups = countedGroups(m);
    data.groupCount = int(groups.size());
    for (const CountedGroup& g : groups) {
        for (int row = 0; row < kTeamsPerGroup; ++row) {
            const ResultLine line = shown->line(g.slot, row);
            if (!holdsTeam(line.name)) continue;
            TeamListRow& r = data.rows.emplace_back();
            r.classLetter = g.classLetter;
            r.divisionLetter = g.divisionLetter;
            r.name = line.name;
            r.contacts = teams.contactsOf(line.name);
        }
    }
    return data;
}
