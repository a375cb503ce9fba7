#pragma once

#include <QString>
#include <cstdint>

// The host that serves the program's help pages and the maker's site.
inline constexpr const char* kHelpHost = "caselio.example.org";

// What the help action does in a game state.
struct HelpTarget {
    enum Kind { OpenPage, Nothing, ReportState };
    Kind kind;
    // The page address for OpenPage, the message for ReportState, empty otherwise.
    QString text;
};

// The path of the help page for a state, empty where no page belongs to it.
QString HelpPagePath(std::uint8_t state);

HelpTarget HelpTargetFor(std::uint8_t state);
