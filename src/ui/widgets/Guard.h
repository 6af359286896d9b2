#pragma once

#include <QObject>
#include <QWidget>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

#include "ui/widgets/MessageBox.h"

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

// The one way a user action is connected: `signal` of `sender` runs `handler` through the guard,
// with `receiver` as the connection's context and the error box's parent. `handler` is a member
// function of the receiver or any callable; either may take the signal's arguments or none.
template <typename Sender, typename Signal, typename Receiver, typename Handler>
QMetaObject::Connection OnUserAction(Sender* sender, Signal signal, Receiver* receiver,
                                     Handler handler) {
  return QObject::connect(sender, signal, receiver, [receiver, handler](const auto&... args) {
    QWidget* parent = nullptr;
    if constexpr (std::is_base_of_v<QWidget, Receiver>) parent = receiver;
    Guarded(parent, [&] {
      if constexpr (std::is_member_function_pointer_v<Handler>) {
        if constexpr (std::is_invocable_v<Handler, Receiver*, decltype(args)...>) {
          std::invoke(handler, receiver, args...);
        } else {
          std::invoke(handler, receiver);
        }
      } else if constexpr (std::is_invocable_v<const Handler&, decltype(args)...>) {
        handler(args...);
      } else {
        handler();
      }
    });
  });
}

}  // namespace sibylon
