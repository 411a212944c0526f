#include <QApplication>

#include "ui/window/application.h"
#include "ui/window/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    sredna::SetUpApplication(app);
    sredna::MainWindow window;
    window.show();
    return QApplication::exec();
}
