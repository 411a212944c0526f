#include "ui/window/application.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

#include "core/model/product.h"
#include "ui/text/model_text.h"
#include "ui/widgets/program_icon.h"
#include "ui/window/layout.h"

namespace sredna {

void SetUpApplication(QApplication& app) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The user's settings (the zoom) are kept under these two ids, as the
    // MSI's own registry key is: ids, not names, so that a renamed program
    // still finds them.
    QApplication::setApplicationName(FromModel(product::kApplicationId));
    QApplication::setOrganizationName(FromModel(product::kVendorId));
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(FromModel(product::kDesktopId));
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
