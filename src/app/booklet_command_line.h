#pragma once

// The booklet from the command line, with no window:
//   caselio --libretto FILE.pdf --dimensione 9|16|25 --quanti N [--per-pagina K] [--seme S]
// and --help for the list of options.

// Whether the arguments are the command line's rather than the window's (Qt's own options,
// such as -platform, still start the window).
bool WantsBookletCommandLine(int argc, char** argv);

// Parses the arguments, writes the booklet and returns the exit status: 0 when it is written
// (and for --help), 1 when the file could not be written, 2 for arguments that are wrong,
// with the reason on the standard error and no file written.
int RunBookletCommandLine(int argc, char** argv);
