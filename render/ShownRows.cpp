// Which of the preview's lines it shows.
#include "ShownRows.h"

int TShownRows::FoldFor(double height)
{
    int folded = 0;
    if (sum_ + height > HeightLimit) {
        const double room = HeightLimit - HeightLimit / 8 - height;
        while (!rows_.empty() && sum_ > room) {
            sum_ -= rows_.front().height;
            rows_.pop_front();
            ++folded;
        }
    }
    first_ += folded;
    if (rows_.empty())
        sum_ = 0; // no rounding carried over from the lines folded
    return folded;
}

int TShownRows::Add(double px, double height)
{
    const int folded = FoldFor(height);
    rows_.push_back({px, height});
    sum_ += height;
    return folded;
}

int TShownRows::Remeasure(const std::function<double(int, double)>& heightOf)
{
    sum_ = 0;
    int i = 0;
    for (Row& row : rows_) {
        row.height = heightOf(i++, row.px);
        sum_ += row.height;
    }
    return FoldFor(0);
}

void TShownRows::Clear()
{
    rows_.clear();
    sum_ = 0;
    first_ = 0;
}
