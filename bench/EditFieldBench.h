#pragma once
// The edit field's figures of the window benchmark: with a 1 Mi line in it,
// the field beside a plain QLineEdit in its place (idle in three states of
// the line, a typed key, inserts from the menu, a paste, an undo, the
// memory), and "Line" on that line with the focus in the field against the
// focus elsewhere.
#include <string>

// True for the names of the edit field's child processes.
bool IsEditFieldChild(const std::string& name);
// Runs one of them and prints its figures on one line.
int RunEditFieldChild(const std::string& name, int argc, char** argv);
// Runs every child and prints the figures.
void PrintEditFieldFigures(int argc, char** argv);
