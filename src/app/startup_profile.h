#pragma once

class QApplication;
class QWidget;

// Opt-in timestamps of the start-up, for tools/measure-startup.sh. With
// CASELIO_STARTUP_PROFILE set to a file name ("-" for standard error), each mark appends a
// line "<name> <microseconds since the epoch>"; with it unset the program writes nothing.

// True when the profile was asked for.
bool StartupProfileOn();

// Writes one mark, if asked for.
void ProfileMark(const char* name);

// Marks the first paint of `window` and, for each F10, the next paint of the grid; the
// "...painted" marks come once the event loop is back, after the frame went out.
void ProfilePaints(QApplication& app, QWidget& window);
