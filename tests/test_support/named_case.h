#pragma once

#include <gtest/gtest.h>

#include <concepts>
#include <ostream>
#include <string>

// A row of a test table, known by its name: a failure shows the name, not the row's bytes.
// Rows of a parameterised suite name their tests too, so their names are identifiers.
struct NamedCase {
    const char* name;
};

// Found through the base class of a row; chosen over gtest's printer of any value as the more
// constrained of the two.
template <typename Case>
requires std::derived_from<Case, NamedCase>
void PrintTo(const Case& row, std::ostream* out) {
    *out << row.name;
}

// The name generator of a parameterised suite: each test is named after its row.
struct ByCaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};
