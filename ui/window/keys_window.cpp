#include "ui/window/keys_window.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <numeric>
#include <span>

#include "core/model/window_texts.h"
#include "ui/text/model_text.h"
#include "ui/window/layout.h"

namespace sredna {

namespace {

QString Escaped(std::string_view text) {
    return FromModel(text).toHtmlEscaped();
}

// A heading over rows of keys, each key in bold beside what it does.
QString KeyRows(std::string_view heading, std::span<const texts::KeyHelp> keys) {
    const QString top =
        QStringLiteral("<tr><td colspan=\"2\" style=\"padding-top:6px\"><b>%1</b></td></tr>")
            .arg(Escaped(heading));
    return std::accumulate(keys.begin(), keys.end(), top,
                           [](const QString& html, const texts::KeyHelp& key) {
                               return html + QStringLiteral(
                                                 "<tr><td style=\"padding-right:12px\">"
                                                 "<b>%1</b></td><td>%2</td></tr>")
                                                 .arg(Escaped(key.keys), Escaped(key.does));
                           });
}

}  // namespace

// No parent: a window with one is kept above it.
KeysWindow::KeysWindow() : QDialog(nullptr, Qt::Window) {
    setWindowTitle(FromModel(texts::kKeysTitle));
    // Closing the main window ends the program, this one open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    // One table, so that the keys of both windows line up.
    auto* keys = new QLabel(QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">") +
                                KeyRows(texts::kMainWindowKeys, texts::kMainKeys) +
                                KeyRows(texts::kPictureWindowKeys, texts::kPictureKeys) +
                                QStringLiteral("</table>"),
                            this);
    keys->setTextFormat(Qt::RichText);
    keys->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* note = new QLabel(FromModel(texts::kKeysNote), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(FromModel(texts::kCloseKeys), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(keys);
    column->addWidget(note);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void KeysWindow::present(const QWidget& other) {
    if (!placed_ && other.screen() != nullptr) {
        placed_ = true;
        adjustSize();
        // Before it is first shown this window has no frame: it will have the
        // other's.
        const QRect otherFrame = other.frameGeometry();
        const QMargins edges(other.x() - otherFrame.x(), other.y() - otherFrame.y(),
                             otherFrame.right() - other.geometry().right(),
                             otherFrame.bottom() - other.geometry().bottom());
        const QRect frame = layout::FrameCoveringLeast(otherFrame, size().grownBy(edges),
                                                       other.screen()->availableGeometry());
        move(frame.topLeft());
    }
    show();
    raise();
    activateWindow();
}

}  // namespace sredna
