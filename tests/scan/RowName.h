#pragma once
// A table row's name as GoogleTest takes it: the words of the row's name
// joined by '_', everything but letters and digits left out.
#include <cctype>
#include <gtest/gtest.h>
#include <string>

template <class Row>
std::string RowName(const testing::TestParamInfo<Row>& info)
{
    std::string name;
    bool gap = false;
    for (const char ch : std::string(info.param.name)) {
        if (!std::isalnum(static_cast<unsigned char>(ch))) {
            gap = true;
            continue;
        }
        if (gap && !name.empty())
            name += '_';
        name += ch;
        gap = false;
    }
    return name;
}
