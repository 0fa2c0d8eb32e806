#pragma once
// The fixed table behind every board cell: for each tile code its family, its
// bitmap and, for street-like tiles, the arms the car can use. Plain C++ so the
// game, the editor, the installer and the tests share one table.
//
// Bitmap paths are relative to the program folder and written as the programs
// ask for them ("\bmp\StrasOU.bmp"); the platform's path lookup turns them into
// real paths, ignoring letter case.
#include <string>
#include <string_view>
#include <vector>

namespace pendix {

inline constexpr int kColumns = 25;
inline constexpr int kRows = 16;
inline constexpr int kCellCount = kColumns * kRows;

// Cells 0..399. The double form checks a number read from a text before it is
// made an int: NaN and anything beyond the board's range is no cell.
constexpr bool isOnBoard(int cell) { return cell >= 0 && cell < kCellCount; }
constexpr bool isOnBoard(double cell) { return cell >= 0 && cell < kCellCount; }

enum class Family { Street = 1, Blocked, Tree, Flower, House, Sport, Animal, Animation, Transporter };

// Street arms as a bit set.
enum Arm : unsigned { ArmUp = 1, ArmDown = 2, ArmRight = 4, ArmLeft = 8 };

// Directions of the car: 1 up, 2 down, 3 right, 4 left, 5..8 the states inside a
// turn (up-right, up-left, down-left, down-right).
inline constexpr int kFirstDirection = 1;
inline constexpr int kLastDirection = 8;

// The plain streets 101..111, the only tiles a car can start on, end on or be
// carried to, and the transporters 901..933.
inline constexpr int kFirstStreet = 101;
inline constexpr int kLastStreet = 111;
inline constexpr int kFirstTransporter = 901;
inline constexpr int kLastTransporter = 933;
constexpr bool isPlainStreet(int code) { return code >= kFirstStreet && code <= kLastStreet; }
constexpr bool isTransporter(int code) { return code >= kFirstTransporter && code <= kLastTransporter; }

// The editor names the transporter curves with a small k, the game with a capital
// K; both name the same files.
enum class CurveSpelling { Game, Palette };

// True for the 173 codes of the catalogue.
bool isTileCode(int code);
// All 173 codes in rising order.
const std::vector<int>& allTileCodes();

// The family of a catalogue code; Family{0} never occurs, so callers test isTileCode first.
Family familyOf(int code);
std::string_view familyCaption(Family family);  // "Straßen", "Gesperrte Straßen", ...
// The nine families in code order, the first code of each (101, 201, ...) and its number of variants.
const std::vector<Family>& allFamilies();
int familyFirstCode(Family family);
int familyVariantCount(Family family);
std::string itemCaption(int code);  // "Straße 1", "Gesperrte Straße 12", ...

// The bitmap that shows a tile, or "" for a code outside the catalogue.
std::string tileBitmap(int code, CurveSpelling spelling = CurveSpelling::Game);

// Variants 1..11 of the blocked streets and the transporters have a street's
// shape, 12..33 a blocked shape.
int streetOfShape(int variant);  // 101..111 for a street shape 1..11, else 0
bool hasBlockedShape(int code);  // true for 212..233 and 912..933
// 101..111 for a blocked shape 212..233 or 912..933, else 0.
int openArmStreet(int code);
// The street a transporter 901..933 behaves as on the road, else 0.
int transporterBase(int code);
// Arms of a street code 101..111; 0 for any other code.
unsigned streetArms(int street);

// "\bmp\Strae" + shape + ".bmp" for a street 101..111, else "".
std::string endMarkerBitmap(int street);

// Suffix of a direction 1..8 ("OU", "UO", "RL", "LR", "DROU", "DLOU", "DLUO", "DRUO"), else "".
std::string_view directionSuffix(int direction);
std::string carBitmap(int direction);       // "\bmp\Auto" + suffix + ".bmp"
std::string carOnEndBitmap(int direction);  // "\bmp\Aute" + suffix + ".bmp"
std::string arrowBitmap(int direction);     // "\bmp\Pfei" + suffix + ".bmp"

// Street-shape suffix of variant 1..11 as the street bitmaps write it ("OU" .. "AB").
std::string_view streetShapeSuffix(int variant);
// Blocked-shape suffix of variant 12..33 ("slol" .. "brlu").
std::string_view blockedShapeSuffix(int variant);

// Animated tiles: kind 1..21 is code 800 + kind.
inline constexpr int kAnimationKinds = 21;
int animationFrameCount(int kind);                      // 0 for a kind outside 1..21
std::string animationFrameBitmap(int kind, int frame);  // "\bmp\deko\ani\Ani...bmp"

// The editor's paging arrows: the exit arrows 4 and 3 (left, right) as the editor
// spells them.
inline constexpr std::string_view kPageBackBitmap = "\\bmp\\Pfeilr.bmp";
inline constexpr std::string_view kPageForwardBitmap = "\\bmp\\Pfeirl.bmp";

// The probe bitmap whose presence tells an installed program folder.
inline constexpr std::string_view kProbeBitmap = "\\bmp\\Autedlou.bmp";

}  // namespace pendix
