#pragma once

#include <QIcon>

namespace sibylon {

// The 16 x 16 tab pictures of the main window, picked by their index in the window's image list.
// Indexes without a drawing of their own give an empty icon.
QIcon ImageListIcon(int index);

}  // namespace sibylon
