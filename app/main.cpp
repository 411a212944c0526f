#include <QApplication>

#include "ui/application.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    sredna::SetUpApplication(app);
    sredna::MainWindow window;
    window.show();
    return QApplication::exec();
}
