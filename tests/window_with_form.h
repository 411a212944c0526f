#pragma once

#include "core/model/form.h"
#include "ui/window/main_window.h"

namespace sredna {

// The form a window shows, made before the window and gone after it, as
// main() has them.
struct WindowForm {
    Form heldForm = MainWindow::makeForm();
};

// A window with its own form, for a test or a benchmark that needs one.
class WindowWithForm : private WindowForm, public MainWindow {
public:
    WindowWithForm() : MainWindow(heldForm) {}
};

}  // namespace sredna
