// SPDX-License-Identifier: GPL-3.0-or-later
// Heap allocation counting for the benchmark and the tests that hold the
// program to "a tick allocates nothing". Linking this library replaces the
// C library's malloc, calloc and realloc in the whole process (operator new
// and Qt's containers end there too) with versions that count while a
// Counting scope is open on the calling thread.
//
// An allocation made under QWidget::update or QWidget::repaint, or where
// Qt marks a moved widget's area dirty, is Qt's bookkeeping of a repaint
// request (the dirty region, the posted update event); when attribution is
// on, those are counted apart from the rest,
// which is the program's own code and what it asks Qt for itself (strings,
// lists). Attribution walks the stack of each allocation, so it is slow:
// the benchmark times its ticks with it off.
#pragma once

#include <cstdint>

namespace ohmaris::alloc {

struct Counts {
    std::int64_t total = 0;         // every allocation in the scope
    std::int64_t repaintRequest = 0; // of those, Qt's repaint requests (attribution on)
    std::int64_t own() const { return total - repaintRequest; }
};

// Counts the allocations of this thread while it lives; scopes do not nest.
class Counting {
public:
    explicit Counting(bool attribute = false);
    ~Counting();
    Counting(const Counting &) = delete;
    Counting &operator=(const Counting &) = delete;
    // What has been counted so far.
    Counts counts() const;
};

// Whether the replacement allocator is the one the process uses (another
// preloaded allocator, such as a memory checker's, would bypass it).
bool Active();
// Whether this build has the replacement at all: a build with
// AddressSanitizer leaves malloc to the sanitizer and counts nothing.
bool Available();

} // namespace ohmaris::alloc
