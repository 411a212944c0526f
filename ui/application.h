#pragma once

class QApplication;

namespace sredna {

// Pins the look so that it does not change with the desktop's theme.
void SetUpApplication(QApplication& app);

}  // namespace sredna
