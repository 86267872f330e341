#pragma once
// The number of every field that can take the focus. A field's entry handler records its
// number in FormState::focusCode, and restoreFocus gives the focus back to that field.

namespace focus {

inline constexpr int Year = 1000;                // Edit_Year
inline constexpr int UserName = 1005;            // Edit_UserName
inline constexpr int FirstClass = 1010;          // Edit_Kyuu_01 … _20: 1010, 1020, …, 1200
inline constexpr int FirstDivision = 1210;       // Edit_Bu_01 … _20: 1210, …, 1400
inline constexpr int FirstTeamName = 1410;       // Edit_TeamName_01 … _10: 1410, …, 1500
inline constexpr int Representative = 1520;      // Edit_SyousaiDaihyouName
inline constexpr int Mobile = 1530;              // Edit_Keitai
inline constexpr int Telephone = 1540;           // Edit_SyousaiTel
inline constexpr int Fax = 1550;                 // Edit_SyousaiFax
inline constexpr int PostalCode = 1560;          // Edit_Zip
inline constexpr int City = 1570;                // Edit_City
inline constexpr int Street = 1580;              // Edit_Banti
inline constexpr int Building = 1590;            // Edit_Bill
inline constexpr int Mail = 1600;                // Edit_Mail
inline constexpr int Remarks = 1610;             // Memo_Syousai
inline constexpr int TermConfirmKey = 1710;      // Edit_KakuninCommandChoose
inline constexpr int ChangeOverKey = 1720;       // Edit_KousinCommandChoose
inline constexpr int ZipChooseKey = 2810;        // Edit_ZipChoose
inline constexpr int HelpMemo = 2820;            // Memo1
inline constexpr int FirstRank = 3010;           // Edit_Jun_01 … _10: 3010, …, 3100
inline constexpr int RankByHand = 3110;          // CheckBox_JunCal
inline constexpr int FirstTeamsPerGroup = 4010;  // Edit_Panel_LeagueTeamSuu_Kyuubu_01 … _20
inline constexpr int CommandKey = 9010;          // Edit_CommandChoose
inline constexpr int DeleteKey = 9020;           // Edit_Panel_DeleteCommandChoose
inline constexpr int FirstUseKey = 9030;         // Edit_Panel_NotDataCommand
inline constexpr int NewTermKey = 9040;          // Edit_Panel_NewDataCommand
inline constexpr int SuspendedKey = 9050;        // Edit_KyuubuChoose
inline constexpr int RuleListKey = 9060;         // Edit_KousinSetteiCommandChoose
inline constexpr int LostDetailsKey = 9070;      // Edit_SyousaiKakuninCommandChoose
inline constexpr int RestoreKey = 9080;          // Edit_BackupChoose
inline constexpr int RestoreConfirmKey = 9090;   // Edit_BackupKakuninCommandChoose
inline constexpr int ImportKey = 9100;           // Edit_ImportChoose

// Row n (1-based) of a family of fields numbered in steps of ten.
inline constexpr int nth(int first, int n) {
    return first + 10 * (n - 1);
}
inline constexpr int classBox(int n) {
    return nth(FirstClass, n);
}
inline constexpr int divisionBox(int n) {
    return nth(FirstDivision, n);
}
inline constexpr int teamName(int n) {
    return nth(FirstTeamName, n);
}
inline constexpr int rank(int n) {
    return nth(FirstRank, n);
}

}  // namespace focus
