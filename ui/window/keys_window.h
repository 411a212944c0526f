#pragma once

#include <QDialog>

namespace sredna {

// The small window F1 opens: every key of the program and what it does, so
// that nobody has to guess them. A window of its own, not kept above the
// main window, so that a click meant for the main window reaches it; it
// opens beside the window it was asked from.
class KeysWindow : public QDialog {
    Q_OBJECT

public:
    KeysWindow();

    // Shows it, the first time beside `other` where there is room, else
    // where it hides least of it, and brings it to the front.
    void present(const QWidget& other);

private:
    bool placed_ = false;
};

}  // namespace sredna
