#pragma once
// The programs' version: the about box's version line and the subject of its
// mail link are built from it.
namespace pendix {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 2;

}  // namespace pendix
