#pragma once
// Which of the preview's lines it shows. Qt's document layout cannot place a
// row whose foot lies 2^23 pixels (QFIXED_MAX) or more below the top: its
// line loop then waits for a next page that never comes, and the window
// hangs (Qt 6.4.2, QTextDocumentLayoutPrivate::layoutBlock with no page
// height). Every line of the preview is one row, at most RowFactor times the
// pixel size of its font high; when a new line would take the rows shown past
// HeightLimit, the oldest are folded away, an eighth of the limit at once, so
// that folding, which moves every row below, comes seldom. A folded line
// stays in the preview's text, its positions and its formats
// (PreviewRowsTest::rendersPastQtsHeightFoldTheOldest, checked against Qt
// 6.4.2; a font chosen later changes no line's size, as the renderer sets
// the size of every character it adds: PreviewFontTest::
// largestSizeAfterALineOfBreaks).
#include <deque>

class TShownRows {
public:
    // Below 2^23 pixels with room for the document's margins.
    static constexpr double HeightLimit = 8'000'000;
    // Rows of every font in use are at most this many times its pixel size
    // high, fallback fonts for other scripts included.
    static constexpr double RowFactor = 4;

    // Notes one more line, of font pixel size px, and returns how many of the
    // oldest lines shown are to be folded before it is added.
    int Add(double px);
    // The index of the oldest line shown, counted from the first line.
    int FirstShown() const { return first_; }
    // Forgets every line.
    void Clear();

private:
    std::deque<double> heights_; // bounds of the lines shown, oldest first
    double sum_ = 0;
    int first_ = 0;
};
