#pragma once
// The fixed capacities of the league and the arithmetic of team positions.

inline constexpr int kGroups = 20;
inline constexpr int kTeamsPerGroup = 10;
inline constexpr int kTeamPositions = 200;
inline constexpr int kTermSlots = 10;
inline constexpr int kMaxSuspended = 100;
inline constexpr int kChangePositions = 300;
inline constexpr int kUserNameWidth = 40;
inline constexpr int kGroupBlockWidth = 40;

// Position number (record number) of row r (0..9) of group slot g (0..19): 1..200.
inline int positionNumber(int slot, int row) {
    return slot * kTeamsPerGroup + row + 1;
}
inline int slotOfPosition(int n) {
    return (n - 1) / kTeamsPerGroup;
}
inline int rowOfPosition(int n) {
    return (n - 1) % kTeamsPerGroup;
}
