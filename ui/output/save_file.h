#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

class QIODevice;
class QWidget;

namespace sredna {

// A kind of file a save dialog offers: its filter ("Документ PDF (*.pdf)")
// and its ending ("pdf").
struct FileFormat {
    QString filter;
    QString ending;
};

// Where to save, and in which of the offered formats.
struct SaveTarget {
    QString path;
    std::size_t format;
};

// Asks where to save in Qt's own dialog, whose every text is in the
// program's Bulgarian, starting in the last folder and offering name. The ending typed
// gives the format; a name without an offered ending takes the selected
// filter's, with its ending, and a file already under that name is replaced
// only if the user says so, since the dialog asked about the name typed.
// The folder chosen becomes the last folder, for every dialog's next time.
std::optional<SaveTarget> AskWhereToSave(QWidget* parent, const QString& title,
                                         const std::vector<FileFormat>& formats,
                                         const QString& name);

// Writes a file whole or not at all: under another name first, renamed only
// once complete, so that a failure leaves nothing half-written under this
// one. A failure is said in a message box that begins with notSaved ("… не
// е запазен във файла „%1“: ") and says why. write returns false when it
// could not write everything.
bool SaveWhole(QWidget* parent, const QString& path, std::string_view notSaved,
               const std::function<bool(QIODevice&)>& write);

}  // namespace sredna
