// SPDX-License-Identifier: GPL-3.0-or-later
// Counting allocator: the C library's own entry points behind malloc,
// calloc and realloc, with a count kept per thread while a scope is open.
#include "allocations.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <execinfo.h>
#include <unistd.h>

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_calloc(std::size_t count, std::size_t size);
void *__libc_realloc(void *ptr, std::size_t size);
}

namespace ohmaris::alloc {

namespace {

struct ThreadState {
    bool counting = false;
    bool attribute = false;
    bool inside = false; // an allocation made while one is being recorded
    Counts counts;
};

thread_local ThreadState t_state;

// Qt's bookkeeping of what needs repainting: QWidget::update and repaint,
// the marking of dirty areas they and a moved or resized widget end in, and
// the moving of a moved widget's pixels, by their mangled names (any
// overload).
bool IsRepaintRequest(const char *symbol)
{
    constexpr const char *kPrefixes[] = {
        "_ZN7QWidget6update",
        "_ZN7QWidget7repaint",
        "_ZN21QWidgetRepaintManager9markDirty",
        "_ZN14QWidgetPrivate22invalidateBackingStore",
        "_ZN14QWidgetPrivate8moveRect",
        "_ZN14QWidgetPrivate10scrollRect",
    };
    if (!symbol)
        return false;
    for (const char *prefix : kPrefixes)
        if (std::strncmp(symbol, prefix, std::strlen(prefix)) == 0)
            return true;
    return false;
}

// OHMARIS_ALLOC_TRACE set in the environment prints the stack of every
// allocation attributed to the program's own code, to find where it is.
const bool kTrace = std::getenv("OHMARIS_ALLOC_TRACE") != nullptr;

// Whether a return address lies in one of those functions. Looking a symbol
// up is slow and the same few addresses come back all the time, so the
// answers are kept in a small table (no allocation: this runs inside
// malloc).
bool InRepaintRequest(void *address)
{
    struct Entry {
        void *address = nullptr;
        bool inside = false;
    };
    constexpr std::size_t kSize = 4096;
    static Entry known[kSize];
    const std::size_t start = (reinterpret_cast<std::uintptr_t>(address) >> 4) % kSize;
    for (std::size_t k = 0; k < 16; ++k) {
        Entry &e = known[(start + k) % kSize];
        if (e.address == address)
            return e.inside;
        if (!e.address) {
            Dl_info info;
            e.inside = dladdr(address, &info) && IsRepaintRequest(info.dli_sname);
            e.address = address;
            return e.inside;
        }
    }
    Dl_info info;
    return dladdr(address, &info) && IsRepaintRequest(info.dli_sname);
}

bool UnderRepaintRequest()
{
    constexpr int kFrames = 64;
    void *frames[kFrames];
    const int n = backtrace(frames, kFrames);
    for (int i = 1; i < n; ++i)
        if (InRepaintRequest(frames[i]))
            return true;
    if (kTrace) {
        static const char kRule[] = "-- an allocation in the program's own tick code:\n";
        [[maybe_unused]] const auto written = write(2, kRule, sizeof kRule - 1);
        backtrace_symbols_fd(frames, n, 2);
    }
    return false;
}

void Record()
{
    ThreadState &s = t_state;
    if (!s.counting || s.inside)
        return;
    s.inside = true;
    ++s.counts.total;
    if (s.attribute && UnderRepaintRequest())
        ++s.counts.repaintRequest;
    s.inside = false;
}

// The unwinder loads itself at its first use, allocating as it does; that
// happens here, before any scope counts.
[[maybe_unused]] const bool kUnwinderLoaded = [] {
    void *frame[2];
    backtrace(frame, 2);
    return true;
}();

} // namespace

Counting::Counting(bool attribute)
{
    t_state.counts = {};
    t_state.attribute = attribute;
    t_state.counting = true;
}

Counting::~Counting()
{
    t_state.counting = false;
}

Counts Counting::counts() const
{
    return t_state.counts;
}

bool Active()
{
    // Through a volatile pointer, so the compiler cannot drop the pair.
    void *(*volatile allocate)(std::size_t) = &std::malloc;
    Counting scope;
    void *p = allocate(8);
    const bool counted = scope.counts().total == 1;
    std::free(p);
    return counted;
}

bool Available()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#else
    return true;
#endif
}

} // namespace ohmaris::alloc

// AddressSanitizer owns malloc in a checking build: the counter keeps out of
// its way there.
#if !defined(__SANITIZE_ADDRESS__)
extern "C" {

void *malloc(std::size_t size)
{
    ohmaris::alloc::Record();
    return __libc_malloc(size);
}

void *calloc(std::size_t count, std::size_t size)
{
    ohmaris::alloc::Record();
    return __libc_calloc(count, size);
}

void *realloc(void *ptr, std::size_t size)
{
    ohmaris::alloc::Record();
    return __libc_realloc(ptr, size);
}

} // extern "C"
#endif
