#pragma once

#include <array>
#include <string_view>

namespace seedbank {

// What each of the nine lists of the bank must hold: its size and letter, its number of
// records and the fewest / mean (in tenths, rounded half up) / most givens of a record.
struct ListTarget {
    int box;
    char letter;
    int count;
    int fewest;
    int meanTenths;
    int most;
};

inline constexpr std::array<ListTarget, 9> kListTargets = {{
    {3, 'E', 100, 23, 245, 27},
    {3, 'M', 100, 22, 245, 28},
    {3, 'A', 100, 22, 245, 27},
    {4, 'E', 50, 89, 934, 99},
    {4, 'M', 25, 89, 927, 97},
    {4, 'A', 25, 88, 925, 96},
    {5, 'E', 25, 257, 2627, 270},
    {5, 'M', 25, 254, 2616, 270},
    {5, 'A', 25, 255, 2625, 270},
}};

// Records that lead the 9x9 lists, puzzle then solution, character for character.
struct ExampleRecord {
    char letter;
    std::string_view puzzle;
    std::string_view solution;
};

inline constexpr std::array<ExampleRecord, 3> kExampleRecords = {{
    {'E', "???1?7??????8????5????927?3????3???????4?156??1??5??9?5?2????1?9????5??????9??4?6",
     "835147629729863145641592783456239871397481562218756394562374918984615237173928456"},
    {'M', "9???6?3?8???1???5???8???????3???6??7????7??6?1???894????3???????948????5?6??2???9",
     "951267348327148956648953712532416897489372561176589423713695284294831675865724139"},
    {'A', "31??????4???8???63????12?9??2?14????4???????8?9?6??3????5?6??7??3????51?7????????",
     "317596284952874163846312795623148957471935628598627341185263479234789516769451832"},
}};

// How many records of a list may be solved by naked singles alone ('E' lists), and how
// many may need a naked triple on top of pairs ('A' lists); every other record of an 'E'
// list needs a hidden single, and every other 'A' record is solved with pairs.
inline constexpr int NakedOnlyWanted(int box, char letter) {
    return box == 3 && letter == 'E' ? 1 : 0;
}
inline constexpr int TripleWanted(int box, char letter) {
    return box == 4 && letter == 'A' ? 1 : 0;
}

// The mean of `count` records with `sum` givens, in tenths, rounded half up.
inline constexpr int MeanTenths(long sum, int count) {
    return static_cast<int>((20 * sum + count) / (2L * count));
}

} // namespace seedbank
