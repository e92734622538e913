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

void* operator new(std::size_t size) {
    if (Counting.load(std::memory_order_relaxed))
        Allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
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
