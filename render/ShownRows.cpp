// Which of the preview's lines it shows.
#include "ShownRows.h"

int TShownRows::Add(double px)
{
    const double height = RowFactor * px;
    int folded = 0;
    if (sum_ + height > HeightLimit) {
        const double room = HeightLimit - HeightLimit / 8 - height;
        while (!heights_.empty() && sum_ > room) {
            sum_ -= heights_.front();
            heights_.pop_front();
            ++folded;
        }
    }
    first_ += folded;
    if (heights_.empty())
        sum_ = 0; // no rounding carried over from the lines folded
    heights_.push_back(height);
    sum_ += height;
    return folded;
}

void TShownRows::Clear()
{
    heights_.clear();
    sum_ = 0;
    first_ = 0;
}
