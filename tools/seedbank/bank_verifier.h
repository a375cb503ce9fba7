#pragma once

#include "techniques.h"

#include <string>
#include <vector>

namespace seedbank {

// One list of records (puzzle text followed by solution text) as the bank holds it.
struct BankList {
    int box = 0;
    char letter = 0;
    std::vector<std::string> records;
};
using Bank = std::vector<BankList>;

// The bank compiled into the program, read through its public interface.
Bank CompiledBank();

struct ListReport {
    int box = 0;
    char letter = 0;
    int count = 0;
    int fewest = 0;
    int most = 0;
    int meanTenths = 0;
    int singles = 0, locked = 0, pairs = 0, nakedTriple = 0, other = 0; // records per class
    int nakedOnly = 0;     // solved by naked singles alone
    TechniqueSet used = 0; // union of the techniques the records' solves used
};

struct VerifyReport {
    std::vector<ListReport> lists;
    std::vector<std::string> failures; // one line per broken rule, naming list and index
    bool ok() const { return failures.empty(); }
};

// Certifies a bank: the nine lists with their counts, record format and alphabet, the
// example records, a complete valid solution that every given matches, exactly one
// solution, each record's difficulty class and hidden-single rule, the givens of each list,
// no repeated record or solution anywhere, and that every record loads into the engine and
// survives its shuffle and its solution check.
VerifyReport VerifyBank(const Bank& bank);

std::string FormatReport(const VerifyReport& report);

} // namespace seedbank
