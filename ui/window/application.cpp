#include "ui/window/application.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

#include "ui/widgets/program_icon.h"
#include "ui/window/layout.h"

namespace sredna {

void SetUpApplication(QApplication& app) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("sredna"));
    // The user's settings (the zoom) are kept under the publisher's name, as
    // the installers' own registry key is.
    QApplication::setOrganizationName(QStringLiteral("example.org"));
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.sredna"));
    // Every window of the program shows this one; its images are read once.
    QApplication::setWindowIcon(ProgramIcon());
    // Text and list boxes keep the platform's default colours: Fusion's own.
    QApplication::setPalette(QApplication::style()->standardPalette());
    // Everything uses the window font, so no other family is ever loaded.
    QApplication::setFont(layout::WindowFont(layout::kWindowPointSize));
    // Qt's own texts (a text box's menu) in Bulgarian whatever the system's
    // language, for the program speaks nothing else. qtbase_bg, not qt_bg:
    // that one only names other catalogues and loads none if one is missing.
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral(":/translations/qtbase_bg.qm"))) {
        QCoreApplication::installTranslator(translator);
    } else {
        qWarning("Qt's Bulgarian texts are missing from the resources");
    }
}

}  // namespace sredna
