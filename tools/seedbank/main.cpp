// caselio-seedbank: builds, certifies and prints the seed puzzle bank.
//
//   caselio-seedbank build [--seed S] [--threads T] [--out FILE]
//   caselio-seedbank verify
//   caselio-seedbank dump

#include "bank_builder.h"
#include "bank_verifier.h"
#include "records_writer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace seedbank;

namespace {

int Usage() {
    std::fprintf(stderr, "usage: caselio-seedbank build [--seed S] [--threads T] [--out FILE]\n"
                         "       caselio-seedbank verify\n"
                         "       caselio-seedbank dump\n");
    return 2;
}

int Build(int argc, char** argv) {
    BuildOptions options;
    options.progress = stderr;
    std::string out = CASELIO_DEFAULT_RECORDS_PATH;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return Usage();
        const char* value = argv[++i];
        if (arg == "--seed")
            options.seed = std::strtoull(value, nullptr, 10);
        else if (arg == "--threads")
            options.threads = std::atoi(value);
        else if (arg == "--out")
            out = value;
        else if (arg == "--pool-scale")
            options.poolScale = std::atof(value);
        else
            return Usage();
    }
    const auto start = std::chrono::steady_clock::now();
    const Bank bank = BuildBank(options);
    if (bank.empty()) {
        std::fprintf(stderr, "build failed: a list's pool could not meet its givens\n");
        return 1;
    }
    // Certify before writing, so a bad bank never replaces a good file.
    const VerifyReport report = VerifyBank(bank);
    std::fputs(FormatReport(report).c_str(), stderr);
    if (!report.ok())
        return 1;
    const std::string temporary = out + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << RecordsSource(bank, options.seed);
        if (!file.flush()) {
            std::fprintf(stderr, "cannot write %s\n", temporary.c_str());
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), out.c_str()) != 0) {
        std::fprintf(stderr, "cannot replace %s\n", out.c_str());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "wrote %s in %.1f s\n", out.c_str(), seconds);
    return 0;
}

int Verify() {
    const VerifyReport report = VerifyBank(CompiledBank());
    std::fputs(FormatReport(report).c_str(), stdout);
    return report.ok() ? 0 : 1;
}

int Dump() {
    for (const BankList& list : CompiledBank()) {
        const std::size_t cells =
            static_cast<std::size_t>(list.box * list.box * list.box * list.box);
        for (std::size_t i = 0; i < list.records.size(); ++i)
            std::printf("%d %c %zu %s %s\n", list.box, list.letter, i,
                        list.records[i].substr(0, cells).c_str(),
                        list.records[i].substr(cells).c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string command = argv[1];
    if (command == "build")
        return Build(argc, argv);
    if (command == "verify" && argc == 2)
        return Verify();
    if (command == "dump" && argc == 2)
        return Dump();
    return Usage();
}
