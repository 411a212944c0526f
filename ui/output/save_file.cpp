#include "ui/output/save_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

#include "ui/output/last_folder.h"
#include "ui/output/save_texts.h"
#include "ui/text/model_text.h"

namespace sredna {

std::optional<SaveTarget> AskWhereToSave(QWidget* parent, const QString& title,
                                         const std::vector<FileFormat>& formats,
                                         const QString& name) {
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    QStringList filters;
    for (const FileFormat& format : formats) {
        filters.append(format.filter);
    }
    dialog.setNameFilters(filters);
    dialog.setDirectory(LastFolder());
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    QString path = dialog.selectedFiles().constFirst();
    // The file's own folder: a path typed whole leaves the dialog's where it
    // was.
    RememberFolder(QFileInfo(path).absolutePath());
    const QString ending = QFileInfo(path).suffix().toLower();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (ending == formats[i].ending) {
            return SaveTarget{.path = path, .format = i};
        }
    }
    const auto chosen = static_cast<std::size_t>(
        std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter())));
    path += QStringLiteral(".") + formats.at(chosen).ending;
    if (QFileInfo::exists(path) &&
        QMessageBox::question(parent, title,
                              FromModel(texts::kReplaceFile).arg(QDir::toNativeSeparators(path))) !=
            QMessageBox::Yes) {
        return std::nullopt;
    }
    return SaveTarget{.path = path, .format = chosen};
}

bool SaveWhole(QWidget* parent, const QString& path, std::string_view notSaved,
               const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    std::string_view why;
    if (!file.open(QIODevice::WriteOnly)) {
        why = texts::kCannotCreate;
    } else if (!write(file) || !file.commit()) {
        why = texts::kCannotWrite;
    } else {
        return true;
    }
    QMessageBox::warning(parent, parent != nullptr ? parent->windowTitle() : QString(),
                         FromModel(notSaved).arg(QDir::toNativeSeparators(path)) + FromModel(why));
    return false;
}

}  // namespace sredna
