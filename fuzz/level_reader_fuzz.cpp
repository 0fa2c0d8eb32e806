// A level file's bytes, read the way the game window reads them: split into
// lines, read into a board, the name turned into text, every tag stored in and
// read back from a tile button's text, then the car driven over that board by the
// real car step until the level ends. Whatever the bytes, nothing may crash and
// every cell the window would touch must lie on the board. The shared line layout
// is also read as the editor reads it, saved by the shared writer and read again:
// the same name, numbers and cell values must come back.
#include "game/rules/level_reader.h"

#include "game/rules/car_step.h"
#include "platform/files/cp1252.h"
#include "platform/text/line_split.h"
#include "platform/text/numeric_value.h"
#include "shared/level_format/level_lines.h"
#include "shared/level_format/level_writer.h"
#include "shared/level_format/number_text.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// A level may run in circles; this many steps show the car step's handling of it.
constexpr int kMaxSteps = 600;

void require(bool condition)
{
    if (!condition) std::abort();
}

bool onBoard(int cell) { return cell >= 0 && cell < pendix::kCellCount; }
bool noneOrOnBoard(int cell) { return cell == -1 || onBoard(cell); }

void drive(const pendix::game::Level& level, std::uint8_t steering)
{
    // The window keeps each tag in its button as text and reads it back as bytes:
    // the bytes must come back unchanged, or a transporter text would lose its length.
    std::array<QString, pendix::kCellCount> buttonTags;
    for (int i = 0; i < pendix::kCellCount; ++i) {
        const std::string& tag = level.cells[static_cast<std::size_t>(i)].tag;
        buttonTags[static_cast<std::size_t>(i)] = platform::fromCp1252(tag);
        require(platform::toCp1252(buttonTags[static_cast<std::size_t>(i)]) == tag);
    }
    const pendix::game::TagLookup tags = [&buttonTags](int cell) {
        require(onBoard(cell));
        return platform::toCp1252(buttonTags[static_cast<std::size_t>(cell)]);
    };

    pendix::game::DriveState state;
    state.car = {level.startPos, level.startDir, level.startPos, 0, 0};
    state.endPos = level.endPos;
    for (int step = 0; step < kMaxSteps; ++step) {
        // The player's keys: a turn request now and then, as the steering byte says.
        if (((steering >> (step % 8)) & 1) != 0 && state.car.turnLeft == 0 && state.car.turnRight == 0)
            ((step & 1) != 0 ? state.car.turnLeft : state.car.turnRight) = 1;
        const pendix::game::CarStep next = pendix::game::stepCar(state, tags);
        require(noneOrOnBoard(next.effects.hideCell));
        require(noneOrOnBoard(next.effects.showCell));
        if (next.effects.end != pendix::game::LevelEnd::None) return;
        require(onBoard(next.state.car.pos));
        state = next.state;
    }
}

// The editor keeps each cell as its line's value written back as text and saves
// the cells above 0; a second load must give the same name, numbers and cells.
void saveAndReadAgain(const pendix::LevelLines& file)
{
    std::array<std::string, pendix::kCellCount> tags;
    for (int i = 0; i < pendix::kCellCount; ++i)
        tags[static_cast<std::size_t>(i)] = pendix::numberText(platform::numericValue(file.cellLine(i)));
    const pendix::LevelLinesRead again = pendix::readLevelLinesBytes(
        pendix::levelFileBytes(file.name, tags, file.startPos, file.startDir, file.endPos));
    require(again.ok());
    require(again.level.name == file.name);
    require(again.level.startPos == file.startPos && again.level.startDir == file.startDir &&
            again.level.endPos == file.endPos);
    for (int i = 0; i < pendix::kCellCount; ++i) {
        const std::string& tag = tags[static_cast<std::size_t>(i)];
        const bool kept = platform::numericValue(tag) > 0;
        require(again.level.cellLine(i) == (kept ? tag : std::string()));
        require(pendix::numberText(platform::numericValue(again.level.cellLine(i))) == (kept ? tag : "0"));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = platform::splitLines(bytes);
    const pendix::LevelLinesRead file = pendix::readLevelLines(lines);
    if (file.ok()) saveAndReadAgain(file.level);
    const pendix::game::LevelRead read = pendix::game::readLevel(lines);
    require(read.ok() || file.ok() == (read.error == pendix::game::LevelError::StartOffBoard ||
                                       read.error == pendix::game::LevelError::EndOffBoard));
    if (!read.ok()) {
        require(!read.message.empty());
        return 0;
    }
    const pendix::game::Level& level = read.level;
    require(onBoard(level.startPos) && onBoard(level.endPos));

    // Every byte of the name has a character, and the text gives the same bytes back.
    const QString name = platform::fromCp1252(level.name);
    require(platform::toCp1252(name) == level.name);
    for (const pendix::game::LevelCell& cell : level.cells) require(!cell.tag.empty());

    drive(level, size > 0 ? data[size - 1] : 0);
    return 0;
}
