// A model's results gathered as plain numbers, for tools that check them
// (every result of a sound model is a finite number).
#pragma once

#include <array>
#include <cstddef>
#include <vector>

namespace ohmaris {

inline void AppendOutput(std::vector<double> &out, double v)
{
    out.push_back(v);
}

template <class T, std::size_t N>
void AppendOutput(std::vector<double> &out, const std::array<T, N> &values)
{
    for (const T &v : values)
        AppendOutput(out, v);
}

template <class... T>
void AppendOutputs(std::vector<double> &out, const T &...values)
{
    (AppendOutput(out, values), ...);
}

} // namespace ohmaris
