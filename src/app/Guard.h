#pragma once

#include <exception>
#include <utility>

#include "app/MessageBox.h"

namespace sibylon {

// Every event handler runs its work through this guard: the action stops at the step that
// failed, the steps before it stay done, and the user reads the failure in the error box.
// Returns whether the work ran to its end.
template <typename Work>
bool Guarded(QWidget* parent, Work&& work) {
  try {
    std::forward<Work>(work)();
    return true;
  } catch (const std::exception& error) {
    MessageBox::ShowError(parent, error.what());
    return false;
  }
}

}  // namespace sibylon
