#pragma once

#include <cstddef>

// Row lookups shared by the configuration value tables. A table is a constant
// array of rows in combo-box order, each row holding its enumeration value in
// a member named `type`.
namespace config::table {

// True when index names a row; a negative index never does.
template <class Row, std::size_t N> constexpr bool hasRow(const Row (&)[N], int index)
{
    return static_cast<unsigned>(index) < N;
}

// The first row holding type, or -1 when no row does.
template <class Row, std::size_t N, class Type> constexpr int findRow(const Row (&table)[N], const Type& type)
{
    for (std::size_t row = 0; row < N; ++row) {
        if (table[row].type == type)
            return static_cast<int>(row);
    }
    return -1;
}

} // namespace config::table
