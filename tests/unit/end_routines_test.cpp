#include <gtest/gtest.h>

#include <string>

#include "core/end_routines.h"
#include "core/fatal_error.h"
#include "core/int_list.h"
#include "fixture.h"

namespace {

using EndRoutinesTest = FakeDesktopTest;

std::string trace;
void first() { trace += 'a'; }
void second() { trace += 'b'; }
void third() { trace += 'c'; }

TEST_F(EndRoutinesTest, RunOnceEachInRegistrationOrder) {
    trace.clear();
    registerEndRoutine(second);
    registerEndRoutine(first);
    registerEndRoutine(second);  // no further effect
    registerEndRoutine(third);
    runEndRoutines();
    EXPECT_EQ(trace, "bac");
    runEndRoutines();  // already run and forgotten
    EXPECT_EQ(trace, "bac");
}

TEST_F(EndRoutinesTest, NeverRunAfterFatalError) {
    trace.clear();
    registerEndRoutine(first);
    EXPECT_EQ(exitStatusOf([] { raiseFatal({10, "", 1, 1, std::nullopt}); }), -1);
    EXPECT_EQ(trace, "");
    runEndRoutines();  // what the entry point would do if the process went on
    EXPECT_EQ(trace, "");
}

TEST_F(EndRoutinesTest, ListFailureDiscardsThem) {
    trace.clear();
    registerEndRoutine(first);
    IntList list(0);
    EXPECT_EQ(exitStatusOf([&] { list.at(1, {1, 1}); }), -1);
    runEndRoutines();
    EXPECT_EQ(trace, "");
}

}  // namespace
