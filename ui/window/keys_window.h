#pragma once

#include <QDialog>

namespace sredna {

// The small window F1 opens: every key of the program and what it does, so
// that nobody has to guess them. It stays open beside the main window.
class KeysWindow : public QDialog {
    Q_OBJECT

public:
    explicit KeysWindow(QWidget* parent);
};

}  // namespace sredna
