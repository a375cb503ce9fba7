#include "bank/seed_bank.h"

#include "base/ascii_case.h"

#include <span>
#include <string_view>

namespace {

// The generated records: kSeeds3E ... kSeeds5A, constant text compiled into the program.
#include "bank/seed_records.inc"

std::span<const std::string_view> listFor(int boxSize, char level) {
    const char letter = AsciiUpper(level);
    const auto pick = [letter](std::span<const std::string_view> easy,
                               std::span<const std::string_view> medium,
                               std::span<const std::string_view> hard) {
        switch (letter) {
        case 'E':
            return easy;
        case 'M':
            return medium;
        case 'A':
            return hard;
        default:
            return std::span<const std::string_view>();
        }
    };
    switch (boxSize) {
    case 3:
        return pick(kSeeds3E, kSeeds3M, kSeeds3A);
    case 4:
        return pick(kSeeds4E, kSeeds4M, kSeeds4A);
    case 5:
        return pick(kSeeds5E, kSeeds5M, kSeeds5A);
    default:
        return {};
    }
}

} // namespace

int GetSeedCount(int boxSize, char level) {
    return static_cast<int>(listFor(boxSize, level).size());
}

bool GetSeedPuzzle(int boxSize, char level, int index, std::string& puzzle, std::string& solution) {
    const std::span<const std::string_view> list = listFor(boxSize, level);
    // The only caller stays within 0..count-1; anything else is refused, not read past.
    if (index < 0 || index >= static_cast<int>(list.size()))
        return false;
    const std::size_t cells = static_cast<std::size_t>(boxSize * boxSize * boxSize * boxSize);
    const std::string_view record = list[static_cast<std::size_t>(index)];
    puzzle = std::string(record.substr(0, cells));
    solution = std::string(record.substr(cells, cells));
    return true;
}
