#pragma once

// Screen readers read a SegmentClock's time in words, "0 ore, 1 minuto, 5 secondi", when they
// ask for it; the clock never announces its ticking.

// Makes Qt use that reading for every SegmentClock; once per program, later calls do nothing.
void InstallSegmentClockAccessibility();
