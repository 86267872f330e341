#pragma once
// One cell of an imported spreadsheet made into the bytes of a field, or the reason it
// cannot be: nothing is cut or replaced silently. Cells are UTF-8 here, fields Shift-JIS.

#include <functional>
#include <string>
#include <string_view>

// Full-width ASCII letters, digits and signs (U+FF01..U+FF5E) and the full-width blank made
// half-width; everything else as it is.
std::string foldFullWidthAscii(std::string_view utf8);

// The text without the half- and full-width blanks around it.
std::string trimmedCell(std::string_view utf8);

struct CellBytes {
    std::string bytes;    // Shift-JIS, without padding; empty when the cell gives nothing
    std::string problem;  // why it cannot be taken (Japanese), empty when it can
};

// A team name: without the blanks around it, as a typed name is stored; at most 20 bytes.
CellBytes readTeamNameCell(std::string_view cell, std::string_view heading);

// Detail field k (0..10) of a team record, at most its width. Telephone, mobile, fax and
// postal code are typed half-width in the program, so full-width ASCII becomes half-width
// there, and a postal code loses a leading "〒". The memo keeps its line breaks as CR LF
// (leading ones dropped, as the program stores no memo that begins with one). A cell of
// blanks only gives nothing, so that the field keeps what it holds.
CellBytes readDetailCell(int k, std::string_view cell, std::string_view heading);

// A whole address split into the prefecture it begins with (empty when it names none) and
// the rest.
struct AddressParts {
    std::string prefecture, rest;  // UTF-8
};
AddressParts splitPrefecture(std::string_view utf8);

// Whether a city of that name lies in that prefecture (UTF-8): the screens ask the postal
// dictionary. Without it a whole address is split at its prefecture only, for a guess at
// where a city's name ends (四日市市, 東村山市, 大和郡山市) would be wrong as often as not.
using KnownCity = std::function<bool(std::string_view prefecture, std::string_view city)>;
// The longest start of rest that ends in 市, 区, 町 or 村 and that knownCity knows in that
// prefecture ("横浜市港北区" of "横浜市港北区日吉1-2"); empty when there is none.
std::string leadingCity(std::string_view prefecture, std::string_view rest, const KnownCity& knownCity);

// The group slot (0..19) a group text names: its letters as the group list shows them
// ("A1", "Ａ１", "A級1部"), or its number 1..20. Only groups with a class letter are named;
// -1 for none.
int groupSlotOf(std::string_view groupBlock, std::string_view utf8);
// The same for the two letters in two cells.
int groupSlotOfLetters(std::string_view groupBlock, std::string_view classUtf8, std::string_view divisionUtf8);
// "A級 1部", or "A級" when the division letter is blank (UTF-8).
std::string groupDisplayName(std::string_view groupBlock, int slot);
