#include "ui/picture_window.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>
#include <QScreen>
#include <QSizeF>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <array>
#include <optional>

#include "core/picture_window_texts.h"
#include "ui/layout.h"
#include "ui/model_text.h"
#include "ui/picture_view.h"

namespace sredna {

PictureWindow::PictureWindow(const WindowModel& model, char separator, const QSize& size,
                             const QSize& minimum)
    : QWidget(nullptr, Qt::Window), view_(new PictureView(model, separator, this)) {
    setWindowTitle(FromModel(texts::kPictureWindowTitle));
    // Closing the main window ends the program, this one open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(QMargins());
    layout->addWidget(view_);
    setMinimumSize(minimum);
    resize(size);

    struct Command {
        std::string_view text;
        QKeySequence keys;
        void (PictureWindow::*run)();
    };
    const std::array<Command, 2> commands = {
        Command{texts::kCopyPicture, QKeySequence(QKeySequence::Copy), &PictureWindow::copy},
        Command{texts::kSavePicture, QKeySequence(Qt::CTRL | Qt::Key_S), &PictureWindow::saveAs}};
    for (const Command& command : commands) {
        auto* action = new QAction(FromModel(command.text), this);
        action->setShortcut(command.keys);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, command.run);
        addAction(action);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PictureWindow::setZoom(double factor, const QFont& font, const QSize& minimum) {
    setFont(font);
    setMinimumSize(minimum);
    if (factor_ && factor != *factor_) {
        resize((QSizeF(size()) * (factor / *factor_)).toSize());
    }
    factor_ = factor;
}

void PictureWindow::present(const QWidget& beside) {
    if (!placed_) {
        placed_ = true;
        placeBeside(beside);
    }
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void PictureWindow::modelChanged() {
    view_->modelChanged();
}

void PictureWindow::placeBeside(const QWidget& other) {
    const QScreen* screen = other.screen();
    if (screen == nullptr) {
        return;
    }
    // This window has no frame before it is shown: it will have the other's.
    const QRect otherFrame = other.frameGeometry();
    const QRect otherInside = other.geometry();
    const QMargins edges(
        otherInside.left() - otherFrame.left(), otherInside.top() - otherFrame.top(),
        otherFrame.right() - otherInside.right(), otherFrame.bottom() - otherInside.bottom());
    const std::optional<QRect> frame = layout::FrameBeside(
        otherFrame, size().grownBy(edges), minimumWidth() + edges.left() + edges.right(),
        screen->availableGeometry());
    if (frame) {
        setGeometry(frame->marginsRemoved(edges));
    }
}

void PictureWindow::copy() {
    const QImage image = view_->image();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    auto* copied = new QMimeData;
    copied->setImageData(image);
    copied->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(copied);
}

void PictureWindow::saveAs() {
    const QString png = FromModel(texts::kPngFilter);
    const QString pdf = FromModel(texts::kPdfFilter);
    // Qt's own dialog, whose every text is in the program's Bulgarian.
    QFileDialog dialog(this, FromModel(texts::kSavePicture));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({png, pdf});
    if (folder_.isEmpty()) {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        folder_ = QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
    }
    dialog.setDirectory(folder_);
    dialog.selectFile(FromModel(texts::kPictureFileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    folder_ = dialog.directory().absolutePath();
    // The ending typed gives the format; a name without one takes the
    // filter's, with its ending.
    QString path = dialog.selectedFiles().constFirst();
    const QString ending = QFileInfo(path).suffix().toLower();
    Format format = dialog.selectedNameFilter() == pdf ? Format::Pdf : Format::Png;
    if (ending == QStringLiteral("png") || ending == QStringLiteral("pdf")) {
        format = ending == QStringLiteral("pdf") ? Format::Pdf : Format::Png;
    } else {
        path += format == Format::Pdf ? QStringLiteral(".pdf") : QStringLiteral(".png");
        // The dialog asked about the name typed, not about this one.
        if (QFileInfo::exists(path) &&
            QMessageBox::question(
                this, windowTitle(),
                FromModel(texts::kReplaceFile).arg(QDir::toNativeSeparators(path))) !=
                QMessageBox::Yes) {
            return;
        }
    }
    save(path, format);
}

void PictureWindow::save(const QString& path, Format format) {
    // Written under another name and renamed only once whole, so that a
    // failure leaves nothing half-written under this one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        refuse(path, texts::kCannotCreate);
        return;
    }
    const bool written =
        format == Format::Pdf ? view_->writePdf(file) : view_->image().save(&file, "PNG");
    if (!written || !file.commit()) {
        refuse(path, texts::kCannotWrite);
    }
}

void PictureWindow::refuse(const QString& path, std::string_view why) {
    QMessageBox::warning(
        this, windowTitle(),
        FromModel(texts::kNotSaved).arg(QDir::toNativeSeparators(path)) + FromModel(why));
}

}  // namespace sredna
