#include <gtest/gtest.h>

#include "base/AppError.h"
#include "base/StepSequence.h"

namespace sibylon {
namespace {

TEST(StepSequenceTest, StopsAtTheFirstFailingStepAndKeepsTheEarlierOnesDone) {
  std::vector<std::string> ran;
  std::vector<Step> steps = {
      {"one", [&] { ran.push_back("one"); }},
      {"two",
       [&] {
         ran.push_back("two");
         throw ListIndexOutOfBounds(-1);
       }},
      {"three",
       [&] {
         ran.push_back("three");
         throw NotAValidInteger("x");
       }},
      {"four", [&] { ran.push_back("four"); }},
  };
  auto failure = RunSteps(steps);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->index, 1u);
  EXPECT_EQ(failure->name, "two");
  EXPECT_EQ(failure->message, "List index out of bounds (-1)");
  EXPECT_EQ(ran, (std::vector<std::string>{"one", "two"}));
}

TEST(StepSequenceTest, RunsEveryStepWhenNoneFails) {
  int count = 0;
  std::vector<Step> steps(28, Step{"step", [&] { ++count; }});
  EXPECT_FALSE(RunSteps(steps).has_value());
  EXPECT_EQ(count, 28);
}

}  // namespace
}  // namespace sibylon
