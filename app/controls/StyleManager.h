#pragma once
// Visual styles: a style is a style sheet in the resources under
// ":/styles/<name>.qss", drawn on Fusion.
#include <QString>

class TStyleManager {
public:
    // Applies the named style to the whole application. False, and nothing
    // changed, when there is no style of that name.
    static bool TrySetStyle(const QString& name);
};

// Makes the program's resources (styles, icons) available; safe to repeat.
void InitAppResources();
