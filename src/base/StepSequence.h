#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sibylon {

// One named step of a fixed sequence (start-up, shutdown).
struct Step {
  std::string name;
  std::function<void()> run;
};

struct StepFailure {
  std::size_t index = 0;  // position in the sequence, from 0
  std::string name;
  std::string message;
};

// Runs the steps in order and stops at the first one that throws; the steps before it stay done.
std::optional<StepFailure> RunSteps(const std::vector<Step>& steps);

}  // namespace sibylon
