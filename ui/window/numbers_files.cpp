#include "ui/window/numbers_files.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

#include <string>

#include "core/files/numbers_file.h"
#include "core/model/window_texts.h"
#include "ui/text/model_text.h"

namespace sredna {

namespace {

constexpr int kDialogWidth = 720;
constexpr int kDialogHeight = 440;

}  // namespace

NumbersFiles::NumbersFiles(QWidget& window, Form& form, WidgetSync& sync)
    : window_(window),
      form_(form),
      sync_(sync),
      folder_(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {}

void NumbersFiles::openChosen() {
    if (!mayDiscard()) {
        return;
    }
    if (const QString path = choose(Purpose::Open); !path.isEmpty()) {
        open(path);
    }
}

bool NumbersFiles::saveChosen() {
    const QString path = choose(Purpose::Save);
    return !path.isEmpty() && save(path);
}

bool NumbersFiles::mayDiscard() {
    if (!form_.HasUnsavedNumbers()) {
        return true;
    }
    QMessageBox box(QMessageBox::Question, FromModel(texts::kMessageTitle),
                    FromModel(texts::kUnsavedQuestion), QMessageBox::NoButton, &window_);
    QPushButton* saveAnswer = box.addButton(FromModel(texts::kSaveAnswer), QMessageBox::AcceptRole);
    QPushButton* discardAnswer =
        box.addButton(FromModel(texts::kDiscardAnswer), QMessageBox::DestructiveRole);
    QPushButton* cancelAnswer =
        box.addButton(FromModel(texts::kCancelAnswer), QMessageBox::RejectRole);
    box.setDefaultButton(saveAnswer);
    box.setEscapeButton(cancelAnswer);
    box.exec();
    if (box.clickedButton() == saveAnswer) {
        return saveChosen();
    }
    return box.clickedButton() == discardAnswer;
}

bool NumbersFiles::open(const QString& path) {
    QFile file(path);
    // One byte past the limit tells a file that is too large from one that
    // just fits, without reading it all.
    const QByteArray bytes = file.open(QIODevice::ReadOnly)
                                 ? file.read(static_cast<qint64>(numbers_file::kMaxBytes) + 1)
                                 : QByteArray();
    if (file.error() != QFileDevice::NoError) {
        tell(texts::kCannotRead, path, texts::kCannotReadEnd);
        return false;
    }
    const std::string name = QFileInfo(path).fileName().toStdString();
    bool opened = false;
    sync_.handle([&] {
        opened = form_.OpenNumbers(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), name);
    });
    return opened;
}

bool NumbersFiles::save(const QString& path) {
    const std::string text = form_.NumbersFileText();
    const auto size = static_cast<qint64>(text.size());
    // Written beside the file and renamed over it only when whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), size) != size ||
        !file.commit()) {
        tell(texts::kCannotWrite, path, texts::kCannotWriteEnd);
        return false;
    }
    // Through the sync, so that the window shows the numbers saved.
    sync_.handle([this] { form_.NumbersSaved(); });
    return true;
}

QString NumbersFiles::choose(Purpose purpose) {
    const bool saving = purpose == Purpose::Save;
    // A folder that is not there would be taken for a file's name.
    if (!QDir(folder_).exists()) {
        folder_ = QDir::homePath();
    }
    QFileDialog dialog(
        &window_, FromModel(saving ? texts::kSaveNumbersTitle : texts::kOpenNumbersTitle), folder_);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({FromModel(texts::kNumbersFilter), FromModel(texts::kAllFilesFilter)});
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // A name typed without an extension gets ".csv".
        dialog.setDefaultSuffix(FromModel(texts::kNumbersSuffix));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    // Wide enough for the sizes and dates beside the names in the window font.
    dialog.resize(dialog.sizeHint().expandedTo(QSize(kDialogWidth, kDialogHeight)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    QString path = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(path).absolutePath();
    return path;
}

void NumbersFiles::tell(std::string_view before, const QString& path, std::string_view after) {
    QMessageBox box(QMessageBox::Warning, FromModel(texts::kMessageTitle),
                    FromModel(before) + QFileInfo(path).fileName() + FromModel(after),
                    QMessageBox::NoButton, &window_);
    box.setDefaultButton(box.addButton(FromModel(texts::kMessageOk), QMessageBox::AcceptRole));
    box.exec();
}

}  // namespace sredna
