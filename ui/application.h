#pragma once

class QApplication;
class QIcon;

namespace sredna {

// Pins the look so that it does not change with the desktop's theme, and
// makes Qt's own texts Bulgarian.
void SetUpApplication(QApplication& app);

// The program's icon at every size it is drawn in.
QIcon ProgramIcon();

}  // namespace sredna
