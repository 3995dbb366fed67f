#pragma once

#include <QIcon>

namespace rovik {

// The program's own icon, built into the program in every size the desktop asks for, so the
// window shows it whether or not the icon theme has it.
QIcon ProgramIcon();

}  // namespace rovik
