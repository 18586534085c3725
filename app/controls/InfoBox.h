#pragma once
// The info box: a message box of its own (no owner window), caption
// "Info", one OK button and no icon.
#include <QString>

inline constexpr const char* InfoBoxText = "Tarvexa1, the IRC line checker. (c) 2025 the Tarvexa1 authors";

void ShowInfoBox(const QString& text);
