#pragma once
// The window benchmark's "Font" figures: the command confirmed with a 1 Mi
// line in the preview, alone and in the middle of a render of that line, and
// alone with a line of 458,752 breaks in the preview.
#include <string>

// The scenarios' names, as --child= and --only= take them.
inline constexpr const char* FontScenario = "Font";

// True for the child of one of the "Font" scenarios.
bool IsFontChild(const std::string& name);
// Runs that child and prints its figures on one line.
int FontChild(const std::string& name, bool trace, int argc, char** argv);
// Runs every "Font" child and prints their figures; trace is handed on.
void PrintFontFigures(bool trace, int argc, char** argv);
