#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

#include "ui/layout.h"

namespace sredna {

void SetUpApplication(QApplication& app) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setApplicationName(QStringLiteral("sredna"));
    // Lets Wayland desktops match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.sredna"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/sredna-32.png")));
    // Text and list boxes keep the platform's default colours: Fusion's own.
    QApplication::setPalette(QApplication::style()->standardPalette());
    // Everything uses the window font, so no other family is ever loaded.
    QApplication::setFont(layout::WindowFont(layout::kWindowPointSize));
    Q_UNUSED(app);
}

}  // namespace sredna
