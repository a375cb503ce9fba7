#include "bank_verifier.h"
#include "solver.h"

#include <gtest/gtest.h>

using namespace seedbank;

namespace {

// The compiled-in bank is read once; each corruption works on its own copy.
const Bank& Compiled() {
    static const Bank bank = CompiledBank();
    return bank;
}

BankList& ListOf(Bank& bank, int box, char letter) {
    for (BankList& list : bank)
        if (list.box == box && list.letter == letter)
            return list;
    throw std::logic_error("no such list");
}

bool Reports(const VerifyReport& report, const std::string& where, const std::string& what) {
    for (const std::string& failure : report.failures)
        if (failure.rfind(where, 0) == 0 && failure.find(what) != std::string::npos)
            return true;
    return false;
}

std::string Failures(const VerifyReport& report) {
    std::string text;
    for (const std::string& failure : report.failures)
        text += failure + "\n";
    return text;
}

} // namespace

TEST(BankVerifier, CompiledBankIsCertified) {
    const VerifyReport report = VerifyBank(Compiled());
    EXPECT_TRUE(report.ok()) << Failures(report);
    ASSERT_EQ(report.lists.size(), 9u);
    int total = 0;
    for (const ListReport& list : report.lists) {
        total += list.count;
        EXPECT_EQ(list.other, 0);
    }
    EXPECT_EQ(total, 475);
}

TEST(BankVerifier, CatchesAGivenThatDiffersFromTheSolution) {
    Bank bank = Compiled();
    std::string& record = ListOf(bank, 4, 'M').records[7];
    const std::size_t given = record.find_first_not_of('?');
    record[given] = record[given] == '0' ? '1' : '0';
    const VerifyReport report = VerifyBank(bank);
    EXPECT_TRUE(Reports(report, "16x16 M 7:", "differs from the solution")) << Failures(report);
}

TEST(BankVerifier, CatchesARemovedGivenThatAllowsTwoSolutions) {
    Bank bank = Compiled();
    std::string& record = ListOf(bank, 3, 'A').records[12];
    const Geometry& geometry = *Geometry::For(3);
    bool corrupted = false;
    for (int cell = 0; cell < geometry.cells && !corrupted; ++cell) {
        if (record[cell] == '?')
            continue;
        std::string puzzle = record.substr(0, geometry.cells);
        puzzle[cell] = '?';
        CellValues givens;
        ASSERT_TRUE(ParseCells(geometry, puzzle, givens));
        if (CountSolutions(geometry, givens, 2).solutions == 2) {
            record[cell] = '?';
            corrupted = true;
        }
    }
    ASSERT_TRUE(corrupted) << "every given of a minimal puzzle should not be redundant";
    const VerifyReport report = VerifyBank(bank);
    EXPECT_TRUE(Reports(report, "9x9 A 12:", "more than one solution")) << Failures(report);
}

TEST(BankVerifier, CatchesRepeatedRecordsAndSolutions) {
    Bank bank = Compiled();
    BankList& easy = ListOf(bank, 5, 'E');
    easy.records[20] = easy.records[3];
    const VerifyReport repeated = VerifyBank(bank);
    EXPECT_TRUE(Reports(repeated, "25x25 E 20:", "repeats an earlier record"))
        << Failures(repeated);

    // The same solution under a puzzle with one more given: a different record, same grid.
    bank = Compiled();
    BankList& medium = ListOf(bank, 3, 'M');
    std::string copy = ListOf(bank, 3, 'E').records[40];
    const std::size_t open = copy.find('?');
    copy[open] = copy[81 + open];
    medium.records[9] = copy;
    const VerifyReport sameSolution = VerifyBank(bank);
    EXPECT_TRUE(Reports(sameSolution, "9x9 M 9:", "repeats an earlier record's solution"))
        << Failures(sameSolution);
}

TEST(BankVerifier, CatchesFormatClassAndPlacementFaults) {
    Bank bank = Compiled();
    ListOf(bank, 4, 'E').records[2][5 + 256] = 'a'; // lower case in a solution
    ListOf(bank, 5, 'E').records[4] = ListOf(bank, 5, 'A').records[4];
    std::swap(ListOf(bank, 3, 'E').records[0], ListOf(bank, 3, 'E').records[1]);
    ListOf(bank, 4, 'A').records.pop_back();
    const VerifyReport report = VerifyBank(bank);
    EXPECT_TRUE(Reports(report, "16x16 E 2:", "outside the alphabet")) << Failures(report);
    EXPECT_TRUE(Reports(report, "25x25 E 4:", "graded pairs")) << Failures(report);
    EXPECT_TRUE(Reports(report, "9x9 E 0:", "not the example record")) << Failures(report);
    EXPECT_TRUE(Reports(report, "16x16 A:", "holds 24 records")) << Failures(report);
}

TEST(BankVerifier, CatchesGivensOutsideTheListsTable) {
    // Adding a given to the record with the fewest moves the list's fewest (or mean).
    Bank bank = Compiled();
    BankList& list = ListOf(bank, 3, 'M');
    for (std::string& record : list.records) {
        const std::size_t open = record.find('?');
        record[open] = record[81 + open];
    }
    const VerifyReport report = VerifyBank(bank);
    EXPECT_TRUE(Reports(report, "9x9 M:", "givens 23 / 25.5 / 29")) << Failures(report);
}
