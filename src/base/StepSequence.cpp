#include "base/StepSequence.h"

#include <exception>

namespace sibylon {

std::optional<StepFailure> RunSteps(const std::vector<Step>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    try {
      if (steps[i].run) steps[i].run();
    } catch (const std::exception& error) {
      return StepFailure{i, steps[i].name, error.what()};
    }
  }
  return std::nullopt;
}

}  // namespace sibylon
