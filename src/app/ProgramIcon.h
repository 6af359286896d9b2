#pragma once

#include <QIcon>

namespace sibylon {

// The program's icon in every size the desktop's icon theme has, from the pictures built in.
QIcon ProgramIcon();

}  // namespace sibylon
