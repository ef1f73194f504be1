// SPDX-License-Identifier: GPL-3.0-or-later
// The lab table: every lab built into the program, one line each, in the
// order of the chooser. Each entry is a lab's descriptor type (its lab.h):
// its number, how the frame treats its window (LabFrame), its calculator
// descriptor and its captions. Whatever counts or lists labs walks this
// table: the chooser's options, the caption table, the registry of bench
// windows (widget side, labs/registry.cpp), ohmaris-calc, the gallery, the
// benchmark and the random-input driver. Each program links only the
// members it calls, so the calculator needs no widgets.
#pragma once

#include "labs/lab1/lab.h"
#include "labs/lab2/lab.h"
#include "labs/lab3/lab.h"
#include "labs/lab4/lab.h"
#include "labs/lab5/lab.h"
#include "labs/lab6/lab.h"
#include "labs/lab7/lab.h"
#include "labs/lab8/lab.h"

#include <array>

namespace ohmaris {

// Whether the labs are numbered 1, 2, 3, ... in the order given.
template <class... Labs>
constexpr bool NumberedInOrder()
{
    int number = 0;
    return ((Labs::kNumber == ++number) && ...);
}

template <class... Labs>
struct LabList {
    static_assert(NumberedInOrder<Labs...>(), "the lab table lists labs 1, 2, 3, ... in the chooser's order");
    static constexpr int kCount = int(sizeof...(Labs));
    // Calls f.template operator()<Lab>() for every lab, in table order.
    template <class F>
    static void ForEach(F &&f)
    {
        (f.template operator()<Labs>(), ...);
    }
    // Each lab's frame settings; index = lab number - 1.
    static constexpr std::array<LabFrame, kCount> kFrames{Labs::kFrame...};
};

using LabTable = LabList<
    Lab1,
    Lab2,
    Lab3,
    Lab4,
    Lab5,
    Lab6,
    Lab7,
    Lab8>;

// The number of labs, which the chooser lists.
inline constexpr int kLabCount = LabTable::kCount;

} // namespace ohmaris
