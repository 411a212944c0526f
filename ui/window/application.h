#pragma once

class QApplication;

namespace sredna {

// Pins the look so that it does not change with the desktop's theme, and
// makes Qt's own texts Bulgarian.
void SetUpApplication(QApplication& app);

}  // namespace sredna
