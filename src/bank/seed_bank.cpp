#include "bank/seed_bank.h"

#include <array>
#include <string_view>

namespace {

// Interim records until the generated bank lands.
constexpr std::array<std::string_view, 1> kEasy9 = {
    "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6"
    "835147629729863145641592783456239871397481562218756394562374918984615237173928456"};
constexpr std::array<std::string_view, 1> kMedium9 = {
    "9???6?3?8???1???5???8???????3???6??7????7??6?1???894????3???????948????5?6??2???9"
    "951267348327148956648953712532416897489372561176589423713695284294831675865724139"};
constexpr std::array<std::string_view, 1> kHard9 = {
    "31??????4???8???63????12?9??2?14????4???????8?9?6??3????5?6??7??3????51?7????????"
    "317596284952874163846312795623148957471935628598627341185263479234789516769451832"};

struct SeedList {
    const std::string_view* records;
    int count;
};

char upper(char level) {
    return level >= 'a' && level <= 'z' ? static_cast<char>(level - 'a' + 'A') : level;
}

SeedList listFor(int boxSize, char level) {
    if (boxSize != 3)
        return {nullptr, 0};
    switch (upper(level)) {
    case 'E':
        return {kEasy9.data(), static_cast<int>(kEasy9.size())};
    case 'M':
        return {kMedium9.data(), static_cast<int>(kMedium9.size())};
    case 'A':
        return {kHard9.data(), static_cast<int>(kHard9.size())};
    default:
        return {nullptr, 0};
    }
}

} // namespace

int GetSeedCount(int boxSize, char level) { return listFor(boxSize, level).count; }

bool GetSeedPuzzle(int boxSize, char level, int index, std::string& puzzle,
                   std::string& solution) {
    const SeedList list = listFor(boxSize, level);
    if (index < 0 || index >= list.count)
        return false;
    const std::size_t cells = static_cast<std::size_t>(boxSize * boxSize * boxSize * boxSize);
    const std::string_view record = list.records[index];
    puzzle = std::string(record.substr(0, cells));
    solution = std::string(record.substr(cells, cells));
    return true;
}
