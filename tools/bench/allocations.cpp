// Counting allocator: the C library's own entry points behind malloc,
// calloc and realloc, with a count kept per thread while a scope is open.
#include "allocations.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <execinfo.h>

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

// Qt's repaint request: QWidget::update(...) and QWidget::repaint(...), by
// their mangled names (any overload).
bool IsRepaintRequest(const char *symbol)
{
    return symbol && (std::strncmp(symbol, "_ZN7QWidget6update", 18) == 0 ||
                      std::strncmp(symbol, "_ZN7QWidget7repaint", 19) == 0);
}

bool UnderRepaintRequest()
{
    constexpr int kFrames = 64;
    void *frames[kFrames];
    const int n = backtrace(frames, kFrames);
    for (int i = 1; i < n; ++i) {
        Dl_info info;
        if (dladdr(frames[i], &info) && IsRepaintRequest(info.dli_sname))
            return true;
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

} // namespace ohmaris::alloc

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
