#pragma once
// A 1-based list of 32-bit integers in one heap block laid out as
// [dimension count = 1][element count n][element 1] ... [element n].
// Every access is bounds-tested and every misuse is a fatal error.

#include <cstdint>

struct CallSite {  // where a list operation was called from, for the error box
    int32_t routineId;
    int32_t position;
};

class IntList {
public:
    IntList() = default;  // holds no block: count() is 0 and at() fails
    explicit IntList(int32_t count);  // count zeros; count must not be negative
    ~IntList();
    IntList(IntList&& other) noexcept;
    IntList& operator=(IntList&& other) noexcept;
    IntList(const IntList&) = delete;
    IntList& operator=(const IntList&) = delete;

    int32_t count() const;
    // Replaces the contents by `count` zeros, never carrying old elements over.
    void resize(int32_t count, CallSite site);
    // Element `index` (1-based); the reference lives until the next resize.
    int32_t& at(int32_t index, CallSite site);
    void release();

private:
    static int32_t* obtainBlock(int32_t count);
    int32_t* block_ = nullptr;
};

