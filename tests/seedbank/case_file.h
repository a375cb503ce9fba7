#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// Reads a data file of test cases: one case a line, words separated by blanks; blank
// lines and lines starting with '#' are skipped.
inline std::vector<std::vector<std::string>> ReadCases(const std::string& name) {
    std::ifstream file(std::string(CASELIO_SEEDBANK_TEST_DATA) + "/" + name);
    std::vector<std::vector<std::string>> cases;
    std::string line;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::vector<std::string> fields;
        for (std::string word; words >> word;)
            fields.push_back(word);
        cases.push_back(fields);
    }
    return cases;
}
