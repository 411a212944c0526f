#include <QApplication>

#include "ui/window/application.h"
#include "ui/window/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    sredna::SetUpApplication(app);
    // The numbers outlive the window, whose widgets may reach them as they go.
    sredna::Form form = sredna::MainWindow::makeForm();
    sredna::MainWindow window(form);
    window.show();
    return QApplication::exec();
}
