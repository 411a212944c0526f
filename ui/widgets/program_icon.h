#pragma once

class QIcon;

namespace sredna {

// The program's icon for its windows, in the sizes a title bar, a task bar
// or a task switcher asks for at up to twice the normal pixel density: 16 to
// 64 pixels. The installed icons and the .ico of the Windows program carry
// the larger sizes. No image is read until a size is drawn.
QIcon ProgramIcon();

}  // namespace sredna
