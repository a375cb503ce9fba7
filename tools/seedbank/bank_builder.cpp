#include "bank_builder.h"

#include "generator.h"
#include "grid_geometry.h"
#include "list_targets.h"
#include "selector.h"
#include "split_mix.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <map>
#include <mutex>
#include <set>
#include <thread>

namespace seedbank {
namespace {

using Clock = std::chrono::steady_clock;

// How the candidates of one list are made and which of them it accepts.
struct ListJob {
    int box;
    char letter;
    TechniqueSet removalTier; // techniques the clue removal keeps the puzzle solvable by
    int poolWanted;           // accepted candidates to collect before selecting
};

// Removal under the list's own tier gives mostly puzzles of its class; at 9x9 many fall
// back to easier classes, so the pools there count accepted candidates only. The 16x16
// 'A' list also wants one record that needs a naked triple: its removal allows that too,
// and the selector takes exactly one such record.
constexpr ListJob kJobs[] = {
    {3, 'E', kSinglesTier, 500}, {3, 'M', kLockedTier, 400},
    {3, 'A', kPairsTier, 400},   {4, 'E', kSinglesTier, 300},
    {4, 'M', kLockedTier, 200},  {4, 'A', kPairsTier | kNakedTriple, 200},
    {5, 'E', kSinglesTier, 200}, {5, 'M', kLockedTier, 300},
    {5, 'A', kPairsTier, 160},
};

struct Made {
    std::string record; // puzzle text + solution text
    int givens = 0;
    char level = '-';
    bool nakedOnly = false;
};

bool Accepts(const ListJob& job, const Made& made) {
    if (job.letter == 'A')
        return made.level == 'A' || (made.level == 'T' && TripleWanted(job.box, job.letter));
    if (made.level != job.letter)
        return false;
    // A naked-singles-only puzzle is welcome only where the list wants one.
    return !made.nakedOnly || NakedOnlyWanted(job.box, job.letter) > 0;
}

bool IsSpecial(const ListJob& job, const Made& made) {
    return made.nakedOnly || (made.level == 'T' && job.letter == 'A');
}

class PoolMaker {
public:
    PoolMaker(const ListJob& job, std::uint64_t seed, int jobNumber, const BuildOptions& options)
        : job_(job), geometry_(*Geometry::For(job.box)), seed_(seed), jobNumber_(jobNumber),
          options_(options) {}

    // Makes candidates until the first `wanted` accepted ones (in candidate order) are
    // known; returns them. Earlier work is kept, so asking for more later continues.
    std::vector<Made> Collect(int wanted) {
        wanted_ = wanted;
        stop_ = accepted_ >= wanted;
        next_ = frontier_;
        start_ = Clock::now();
        startAccepted_ = accepted_;
        std::vector<std::thread> workers;
        for (int t = 0; t < std::max(1, options_.threads); ++t)
            workers.emplace_back([this] { Work(); });
        for (auto& worker : workers)
            worker.join();
        Report(true);
        std::vector<Made> pool;
        for (int i = 0; i < frontier_ && static_cast<int>(pool.size()) < wanted; ++i)
            if (Accepts(job_, done_.at(i)))
                pool.push_back(done_.at(i));
        return pool;
    }

private:
    void Work() {
        while (!stop_) {
            const int index = next_++;
            bool known;
            {
                std::lock_guard lock(mutex_);
                known = done_.count(index) > 0;
            }
            if (!known) {
                const Candidate c =
                    MakeCandidate(geometry_, job_.removalTier, MixSeed(seed_, jobNumber_, index));
                Made made;
                made.record = FormatCells(geometry_, c.puzzle) + FormatCells(geometry_, c.solution);
                made.givens = c.givens;
                made.level = LevelOf(c.grade);
                made.nakedOnly = c.grade.nakedOnly;
                std::lock_guard lock(mutex_);
                done_.emplace(index, std::move(made));
            }
            std::lock_guard lock(mutex_);
            // Advance over the contiguous run of finished candidates.
            while (done_.count(frontier_)) {
                if (Accepts(job_, done_.at(frontier_)))
                    ++accepted_;
                ++frontier_;
            }
            if (accepted_ >= wanted_)
                stop_ = true;
            Report(false);
        }
    }

    // One progress line per list, redrawn in place: done / wanted, rate, time left.
    void Report(bool final) {
        if (!options_.progress)
            return;
        const auto now = Clock::now();
        if (!final && now - lastReport_ < std::chrono::milliseconds(200))
            return;
        lastReport_ = now;
        const double seconds = std::chrono::duration<double>(now - start_).count();
        const int shown = std::min(accepted_, wanted_);
        const double rate = seconds > 0 ? (accepted_ - startAccepted_) / seconds : 0;
        const double left = rate > 0 ? (wanted_ - shown) / rate : 0;
        const int side = job_.box * job_.box;
        std::fprintf(options_.progress, "\r%2dx%-2d %c  %4d / %-4d  %7.1f/s  %5.0f s left  ", side,
                     side, job_.letter, shown, wanted_, rate, left);
        if (final)
            std::fprintf(options_.progress, "(%.1f s, %d candidates)\n", seconds, frontier_);
        std::fflush(options_.progress);
    }

    const ListJob& job_;
    const Geometry& geometry_;
    std::uint64_t seed_;
    int jobNumber_;
    const BuildOptions& options_;
    std::mutex mutex_;
    std::map<int, Made> done_;
    std::atomic<int> next_{0};
    std::atomic<bool> stop_{false};
    int frontier_ = 0;
    int accepted_ = 0;
    int wanted_ = 0;
    int startAccepted_ = 0;
    Clock::time_point start_;
    Clock::time_point lastReport_;
};

} // namespace

std::vector<std::string> CollectPoolRecords(int list, std::uint64_t seed, int wanted, int threads) {
    BuildOptions options;
    options.seed = seed;
    options.threads = threads;
    PoolMaker maker(kJobs[list], seed, list, options);
    std::vector<std::string> records;
    for (const Made& made : maker.Collect(wanted))
        records.push_back(made.record);
    return records;
}

Bank BuildBank(const BuildOptions& options) {
    Bank bank;
    std::set<std::string> solutionsSeen;
    for (const ExampleRecord& example : kExampleRecords)
        solutionsSeen.insert(std::string(example.solution));
    for (int j = 0; j < static_cast<int>(std::size(kJobs)); ++j) {
        const ListJob& job = kJobs[j];
        const ListTarget& target = kListTargets[j];
        BankList list{job.box, job.letter, {}};
        std::vector<int> fixedGivens;
        if (job.box == 3)
            for (const ExampleRecord& example : kExampleRecords)
                if (example.letter == job.letter) {
                    list.records.push_back(std::string(example.puzzle) +
                                           std::string(example.solution));
                    fixedGivens.push_back(
                        static_cast<int>(std::count_if(example.puzzle.begin(), example.puzzle.end(),
                                                       [](char ch) { return ch != '?'; })));
                }
        const int cells = job.box * job.box * job.box * job.box;
        PoolMaker maker(job, options.seed, j, options);
        int wanted = std::max(target.count, static_cast<int>(job.poolWanted * options.poolScale));
        std::vector<int> chosen;
        std::vector<Made> pool;
        for (int attempt = 0; attempt < 4 && chosen.empty(); ++attempt) {
            pool.clear();
            std::set<std::string> poolSolutions;
            for (Made& made : maker.Collect(wanted)) {
                const std::string solution = made.record.substr(cells);
                if (!solutionsSeen.count(solution) && poolSolutions.insert(solution).second)
                    pool.push_back(std::move(made));
            }
            std::vector<PoolEntry> entries;
            for (const Made& made : pool)
                entries.push_back({made.givens, IsSpecial(job, made)});
            const int special =
                NakedOnlyWanted(job.box, job.letter) + TripleWanted(job.box, job.letter);
            chosen = SelectRecords(target, fixedGivens, entries, special);
            wanted = wanted * 3 / 2;
        }
        if (chosen.empty())
            return {};
        for (int i : chosen) {
            solutionsSeen.insert(pool[i].record.substr(cells));
            list.records.push_back(pool[i].record);
        }
        bank.push_back(std::move(list));
    }
    return bank;
}

} // namespace seedbank
