#pragma once
// What the window definition holds beyond Qt's own properties: font
// heights in pixels at 96 dpi ("fontHeight", negative like the character
// height), which the definition's fonts carry as dynamic properties.
#include <QWidget>

// Gives root and each of its children with a "fontHeight" its pixel size.
void ApplyFontHeights(QWidget* root);

// Labels size to their caption, like auto-sized labels: a label whose
// caption does not fit its bounds with the fonts at hand grows to the right.
void FitLabels(QWidget* root);
