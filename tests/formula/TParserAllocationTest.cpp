// Reading Value must not allocate: heap allocations are counted while a flag is set.
#include "formula/TParser.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

// The replacements below pair malloc with free, which GCC cannot see through.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {
std::atomic<bool> Counting{false};
std::atomic<long> Allocations{0};
} // namespace

// Every form of the global operators is replaced, so that no allocation slips past the
// counter and every block is released by the function that matches its allocation (the
// address sanitizer checks that pairing).
namespace {
void* Holen(std::size_t size) {
    if (Counting.load(std::memory_order_relaxed))
        Allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}
void* AusgerichtetHolen(std::size_t size, std::align_val_t ausrichtung) {
    if (Counting.load(std::memory_order_relaxed))
        Allocations.fetch_add(1, std::memory_order_relaxed);
    const std::size_t a = static_cast<std::size_t>(ausrichtung);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t n = size == 0 ? a : (size + a - 1) / a * a;
    return std::aligned_alloc(a, n);
}
} // namespace

void* operator new(std::size_t size) {
    if (void* p = Holen(size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Holen(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Holen(size);
}
void* operator new(std::size_t size, std::align_val_t a) {
    if (void* p = AusgerichtetHolen(size, a))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size, std::align_val_t a) {
    return operator new(size, a);
}
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return AusgerichtetHolen(size, a);
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return AusgerichtetHolen(size, a);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace {

TEST(TParserAllocation, ValueAllocatesNothing) {
    TParser parser;
    double* extra = parser.DefineVariable("M1", 1);
    parser.SetExpression("SIN(X)*COS(Y)+X^2-Y^5+MAX(X,Y)/(1+ABS(M1))+7DIV3-POWER(X,0.5)");

    // The counter itself works: an allocation while counting is seen.
    Counting = true;
    void* volatile probe = ::operator new(16);
    Counting = false;
    ::operator delete(probe);
    ASSERT_EQ(Allocations.load(), 1);

    Allocations = 0;
    double sum = 0;
    Counting = true;
    for (int i = 0; i < 1000; ++i) {
        parser.X = 0.5 + i * 0.001;
        parser.Y = 1.5 - i * 0.001;
        *extra = i;
        sum += parser.Value();
    }
    Counting = false;
    EXPECT_EQ(Allocations.load(), 0);
    EXPECT_TRUE(std::isfinite(sum));
}

} // namespace
