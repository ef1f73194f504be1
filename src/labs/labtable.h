// The lab table: every lab built into the program, one line each, in the
// order of the chooser. Each entry is a lab's descriptor type (its lab.h),
// which names its number and declares its calculator descriptor, its bench
// window factory and its gallery sheet. The programs walk the table for what
// they need: the program registers the windows, ohmaris-calc the descriptors
// and ohmaris-gallery the sheets; each links only the members it calls, so
// the calculator needs no widgets. A lab that is not listed opens as the
// frame alone.
#pragma once

#include "labs/lab1/lab.h"
#include "labs/lab2/lab.h"
#include "labs/lab3/lab.h"
#include "labs/lab4/lab.h"
#include "labs/lab5/lab.h"
#include "labs/lab6/lab.h"
#include "labs/lab7/lab.h"
#include "labs/lab8/lab.h"

namespace ohmaris {

template <class... Labs>
struct LabList {
    static constexpr int kCount = int(sizeof...(Labs));
    // Calls f.template operator()<Lab>() for every lab, in table order.
    template <class F>
    static void ForEach(F &&f)
    {
        (f.template operator()<Labs>(), ...);
    }
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

} // namespace ohmaris
