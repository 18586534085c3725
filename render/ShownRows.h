#pragma once
// Which of the preview's lines it shows. Qt's document layout cannot place a
// row whose foot lies 2^23 pixels (QFIXED_MAX) or more below the top: Qt
// 6.4.2's line loop then waits for a next page that never comes, and the
// window hangs (QTextDocumentLayoutPrivate::layoutBlock with no page
// height); Qt 6.8.2 lays every such row at the same height, out of reach.
// Every line of the preview is one row, which TRowHeights bounds before it
// is laid out; when a new line would take the rows shown past HeightLimit,
// or a new font the rows already shown, the oldest are folded away, an
// eighth of the limit at once, so that folding, which moves every row
// below, comes seldom. A folded line stays in the preview's text, its
// positions and its formats (PreviewRowsTest::
// rendersPastQtsHeightFoldTheOldest, PreviewRowsTest::
// aTallerFontFoldsFirst; a font chosen later changes no line's size, as the
// renderer sets the size of every character it adds: PreviewFontTest::
// largestSizeAfterALineOfBreaks).
#include <deque>
#include <functional>

class TShownRows {
public:
    // Below 2^23 pixels with room for the document's margins.
    static constexpr double HeightLimit = 8'000'000;

    // Notes one more line, of font pixel size px and at most height pixels
    // high, and returns how many of the oldest lines shown are to be folded
    // before it is added.
    int Add(double px, double height);
    // Bounds every line shown again, heightOf(i, px) for the i-th from the
    // oldest (a font of another family), and returns how many of the oldest
    // are to be folded.
    int Remeasure(const std::function<double(int, double)>& heightOf);
    // The index of the oldest line shown, counted from the first line.
    int FirstShown() const { return first_; }
    // Forgets every line.
    void Clear();

private:
    // Folds the oldest lines until height more fits; returns how many.
    int FoldFor(double height);

    struct Row {
        double px;
        double height;
    };
    std::deque<Row> rows_; // the lines shown, oldest first
    double sum_ = 0;
    int first_ = 0;
};
