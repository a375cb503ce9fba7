#include "bank_verifier.h"

#include "engine/tsd_board.h"
#include "grader.h"
#include "list_targets.h"
#include "solver.h"

#include <algorithm>
#include <cstdio>
#include <set>

namespace seedbank {
namespace {

class Checker {
public:
    explicit Checker(VerifyReport& report) : report_(report) {}

    void Fail(const BankList& list, int index, const std::string& what) {
        char where[64];
        const int side = list.box * list.box;
        if (index < 0)
            std::snprintf(where, sizeof where, "%dx%d %c: ", side, side, list.letter);
        else
            std::snprintf(where, sizeof where, "%dx%d %c %d: ", side, side, list.letter, index);
        report_.failures.push_back(where + what);
    }

    // Record-level rules; fills the list report's class counts.
    void CheckRecord(const BankList& list, int index, ListReport& lr) {
        const std::string& record = list.records[index];
        const Geometry& geo = *Geometry::For(list.box);
        if (static_cast<int>(record.size()) != 2 * geo.cells) {
            Fail(list, index, "record length " + std::to_string(record.size()));
            return;
        }
        const std::string puzzleText = record.substr(0, geo.cells);
        const std::string solutionText = record.substr(geo.cells);
        CellValues puzzle, solution;
        if (!ParseCells(geo, puzzleText, puzzle)) {
            Fail(list, index, "puzzle holds a character outside the alphabet and '?'");
            return;
        }
        if (solutionText.find('?') != std::string::npos ||
            !ParseCells(geo, solutionText, solution)) {
            Fail(list, index, "solution holds a character outside the alphabet");
            return;
        }
        if (!IsCompleteValidGrid(geo, solution)) {
            Fail(list, index, "solution is not a complete valid grid");
            return;
        }
        for (int cell = 0; cell < geo.cells; ++cell)
            if (puzzle[cell] >= 0 && puzzle[cell] != solution[cell]) {
                Fail(list, index,
                     "given at cell " + std::to_string(cell) + " differs from the solution");
                return;
            }
        const SearchResult search = CountSolutions(geo, puzzle, 2);
        if (search.solutions != 1) {
            Fail(list, index,
                 search.solutions == 0 ? "puzzle has no solution"
                                       : "puzzle has more than one solution");
            return;
        }
        if (search.first != solution) {
            Fail(list, index, "puzzle's only solution is not the stored one");
            return;
        }
        CheckClass(list, index, GradePuzzle(geo, puzzle), lr);
        CheckEngine(list, index, puzzleText, solutionText);
    }

    void CheckClass(const BankList& list, int index, const Grade& grade, ListReport& lr) {
        const char level = LevelOf(grade);
        lr.used |= grade.used;
        switch (level) {
        case 'E':
            ++lr.singles;
            break;
        case 'M':
            ++lr.locked;
            break;
        case 'A':
            ++lr.pairs;
            break;
        case 'T':
            ++lr.nakedTriple;
            break;
        default:
            ++lr.other;
            break;
        }
        const bool fits = level == list.letter || (list.letter == 'A' && level == 'T');
        if (!fits) {
            Fail(list, index,
                 std::string("graded ") + TierName(grade.tier) + " (" + TechniqueNames(grade.used) +
                     ")");
            return;
        }
        if (level == 'E' && grade.nakedOnly)
            ++lr.nakedOnly;
    }

    void CheckEngine(const BankList& list, int index, const std::string& puzzle,
                     const std::string& solution) {
        TsdBoard board(list.box, std::string(AlphabetFor(list.box)), puzzle, solution);
        if (!board.HasError())
            board.Genera();
        if (board.HasError())
            Fail(list, index, "engine refused the record: " + board.GetErrorText());
        else if (!board.CheckSolution())
            Fail(list, index, "engine's solution check failed after the shuffle");
    }

private:
    VerifyReport& report_;
};

} // namespace

VerifyReport VerifyBank(const Bank& bank) {
    VerifyReport report;
    Checker checker(report);
    if (bank.size() != kListTargets.size())
        report.failures.push_back("bank has " + std::to_string(bank.size()) + " lists");
    std::set<std::string> records, solutions;
    for (std::size_t l = 0; l < bank.size() && l < kListTargets.size(); ++l) {
        const BankList& list = bank[l];
        const ListTarget& target = kListTargets[l];
        ListReport lr;
        lr.box = list.box;
        lr.letter = list.letter;
        lr.count = static_cast<int>(list.records.size());
        if (list.box != target.box || list.letter != target.letter) {
            checker.Fail(list, -1, "list out of place");
            continue;
        }
        if (lr.count != target.count)
            checker.Fail(list, -1,
                         "holds " + std::to_string(lr.count) + " records, wants " +
                             std::to_string(target.count));
        const int cells = list.box * list.box * list.box * list.box;
        long sum = 0;
        lr.fewest = list.records.empty() ? 0 : cells;
        for (int i = 0; i < lr.count; ++i) {
            const std::string& record = list.records[i];
            checker.CheckRecord(list, i, lr);
            const int givens = static_cast<int>(std::count_if(
                record.begin(), record.begin() + std::min<std::size_t>(cells, record.size()),
                [](char ch) { return ch != '?'; }));
            sum += givens;
            lr.fewest = std::min(lr.fewest, givens);
            lr.most = std::max(lr.most, givens);
            if (!records.insert(record).second)
                checker.Fail(list, i, "repeats an earlier record");
            else if (record.size() > static_cast<std::size_t>(cells) &&
                     !solutions.insert(record.substr(cells)).second)
                checker.Fail(list, i, "repeats an earlier record's solution");
        }
        lr.meanTenths = lr.count > 0 ? MeanTenths(sum, lr.count) : 0;
        if (lr.fewest != target.fewest || lr.most != target.most ||
            lr.meanTenths != target.meanTenths) {
            char text[160];
            std::snprintf(text, sizeof text, "givens %d / %d.%d / %d, want %d / %d.%d / %d",
                          lr.fewest, lr.meanTenths / 10, lr.meanTenths % 10, lr.most, target.fewest,
                          target.meanTenths / 10, target.meanTenths % 10, target.most);
            checker.Fail(list, -1, text);
        }
        if (lr.nakedOnly != NakedOnlyWanted(list.box, list.letter))
            checker.Fail(list, -1,
                         std::to_string(lr.nakedOnly) + " records solved by naked singles alone");
        if (lr.nakedTriple != TripleWanted(list.box, list.letter))
            checker.Fail(list, -1, std::to_string(lr.nakedTriple) + " records need a naked triple");
        if (list.box == 3)
            for (const ExampleRecord& example : kExampleRecords)
                if (example.letter == list.letter &&
                    (list.records.empty() || list.records[0] != std::string(example.puzzle) +
                                                                    std::string(example.solution)))
                    checker.Fail(list, 0, "is not the example record");
        report.lists.push_back(lr);
    }
    return report;
}

std::string FormatReport(const VerifyReport& report) {
    std::string text;
    char line[256];
    for (const ListReport& lr : report.lists) {
        const int side = lr.box * lr.box;
        std::snprintf(line, sizeof line,
                      "%2dx%-2d %c  %3d records  givens %d / %d.%d / %d  classes: singles %d, "
                      "locked %d, pairs %d, naked triple %d, other %d; naked singles only %d\n"
                      "          techniques: %s\n",
                      side, side, lr.letter, lr.count, lr.fewest, lr.meanTenths / 10,
                      lr.meanTenths % 10, lr.most, lr.singles, lr.locked, lr.pairs, lr.nakedTriple,
                      lr.other, lr.nakedOnly, TechniqueNames(lr.used).c_str());
        text += line;
    }
    for (const std::string& failure : report.failures)
        text += "FAIL " + failure + "\n";
    text += report.ok() ? "bank certified\n" : "bank NOT certified\n";
    return text;
}

} // namespace seedbank
