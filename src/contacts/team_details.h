#pragma once
// The selected team's details as the details area edits them: fields 0 to 10 of its team
// record, the text each field shows, and the bytes each field stores. Only the bytes of
// the field being written change; the record is found by the team's name (detailRecordNo).

#include <string>
#include <string_view>

#include "store/data_dir.h"
#include "store/league_model.h"
#include "store/save_result.h"

namespace details {

inline constexpr int kFieldCount = 11;  // team record fields 0..10
inline constexpr int kMemoWidth = 400;

// The stored bytes of detail field k (0..10) of a 1000-byte team record.
std::string fieldBytes(std::string_view record, int k);

// Puts the bytes of detail field k into a team record (what a write stored).
void putFieldBytes(std::string& record, int k, std::string_view bytes);

// Text as a field shows it for editing: leading and then trailing half-width blanks and
// line feeds dropped. Full-width blanks stay. Works on Shift-JIS and on UTF-8 alike.
std::string trimForEditing(std::string_view text);

// The bytes a single-line detail field k stores for the typed Shift-JIS text: left-aligned,
// blank-filled to the field's width, cut before a character that would not fit whole.
std::string singleLineField(int k, std::string_view sjisText);

// The 400 bytes the memo stores for its text (Shift-JIS, lines separated by "\n"). A text
// that is empty or begins with a line break is stored as blanks; otherwise line breaks
// become CR LF, the text is cut to 400 bytes without splitting a character or a CR LF,
// its trailing half-width blanks are dropped, and the rest is blank-filled.
std::string memoField(std::string_view sjisText);

// The memo text a stored field shows (Shift-JIS, lines separated by "\n"): the stored bytes
// as they are, with CR LF as line breaks and the trailing blanks dropped. A memo stored with
// a leading blank shows that blank.
std::string memoText(std::string_view stored);

// Bytes the memo text takes once stored: each "\n" becomes CR LF.
int memoBytes(std::string_view sjisText);

// Writes the bytes of detail field k (exactly its width) into record recordNo of the team
// register. recordNo 0 (no team selected) writes nothing and fails.
SaveResult writeDetail(LeagueModel& m, const DataDir& dir, int recordNo, int k, std::string_view fieldBytes);

}  // namespace details
