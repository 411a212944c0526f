#include "ui/output/last_folder.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace sredna {

namespace {

const QString kKey = QStringLiteral("files/lastFolder");

}  // namespace

QString LastFolder() {
    // A folder that is not there would be taken for a file's name.
    for (const QString& folder :
         {QSettings().value(kKey).toString(),
          QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QDir(folder).exists()) {
            return folder;
        }
    }
    return QDir::homePath();
}

void RememberFolder(const QString& folder) {
    QSettings().setValue(kKey, folder);
}

}  // namespace sredna
