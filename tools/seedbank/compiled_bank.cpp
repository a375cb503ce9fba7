#include "bank/seed_bank.h"
#include "bank_verifier.h"
#include "list_targets.h"

namespace seedbank {

Bank CompiledBank() {
    Bank bank;
    for (const ListTarget& target : kListTargets) {
        BankList list{target.box, target.letter, {}};
        const int count = GetSeedCount(target.box, target.letter);
        for (int index = 0; index < count; ++index) {
            std::string puzzle, solution;
            if (GetSeedPuzzle(target.box, target.letter, index, puzzle, solution))
                list.records.push_back(puzzle + solution);
        }
        bank.push_back(std::move(list));
    }
    return bank;
}

} // namespace seedbank
