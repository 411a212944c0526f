#include "ui/window/numbers_files.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <optional>
#include <string>

#include "core/files/numbers_file.h"
#include "core/model/window_texts.h"
#include "ui/output/last_folder.h"
#include "ui/output/save_file.h"
#include "ui/text/model_text.h"

namespace sredna {

namespace {

constexpr int kDialogWidth = 720;
constexpr int kDialogHeight = 440;

}  // namespace

NumbersFiles::NumbersFiles(QWidget& window, Form& form, WidgetSync& sync)
    : window_(window), form_(form), sync_(sync) {}

void NumbersFiles::openChosen() {
    if (!mayDiscard()) {
        return;
    }
    if (const QString path = chooseToOpen(); !path.isEmpty()) {
        open(path);
    }
}

bool NumbersFiles::saveChosen() {
    const std::optional<SaveTarget> target =
        AskWhereToSave(&window_, FromModel(texts::kSaveNumbersTitle),
                       {FileFormat{.filter = FromModel(texts::kNumbersFilter),
                                   .ending = FromModel(texts::kNumbersSuffix)}},
                       QString());
    return target && save(target->path);
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
    // A pipe or a device would be waited on, and a folder read as nothing.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        tell(texts::kCannotRead, path, texts::kNotARegularFileEnd);
        return false;
    }
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
    if (!SaveWhole(&window_, path, texts::kNumbersNotSaved, [&text](QIODevice& file) {
            const auto size = static_cast<qint64>(text.size());
            return file.write(text.data(), size) == size;
        })) {
        return false;
    }
    // Through the sync, so that the window shows the numbers saved.
    sync_.handle([this] { form_.NumbersSaved(); });
    return true;
}

QString NumbersFiles::chooseToOpen() {
    QFileDialog dialog(&window_, FromModel(texts::kOpenNumbersTitle), LastFolder());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({FromModel(texts::kNumbersFilter), FromModel(texts::kAllFilesFilter)});
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Wide enough for the sizes and dates beside the names in the window font.
    dialog.resize(dialog.sizeHint().expandedTo(QSize(kDialogWidth, kDialogHeight)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    QString path = dialog.selectedFiles().constFirst();
    RememberFolder(QFileInfo(path).absolutePath());
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
