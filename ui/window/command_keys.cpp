#include "ui/window/command_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "core/model/window_texts.h"
#include "ui/text/model_text.h"

namespace sredna {

namespace {

class UndoKeysFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) {
            return false;
        }
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        static const QList<QKeySequence> undoKeys = KeySequences(texts::kUndoKeys);
        static const QList<QKeySequence> redoKeys = KeySequences(texts::kRedoKeys);
        const bool undo = undoKeys.contains(pressed);
        if (!undo && !redoKeys.contains(pressed)) {
            return false;
        }
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();  // the key press comes here, not to a shortcut
            return true;
        }
        // Qt's own keys differ by platform (Ctrl+Y redoes only on Windows):
        // the field answers all of the window's.
        if (auto* box = qobject_cast<QPlainTextEdit*>(object)) {
            undo ? box->undo() : box->redo();
        } else if (auto* line = qobject_cast<QLineEdit*>(object)) {
            undo ? line->undo() : line->redo();
        }
        return true;
    }
};

}  // namespace

QList<QKeySequence> KeySequences(std::string_view keys) {
    QList<QKeySequence> sequences;
    for (const QString& key : FromModel(keys).split(QStringLiteral(", "))) {
        sequences.append(QKeySequence::fromString(key, QKeySequence::PortableText));
    }
    return sequences;
}

void KeepUndoKeys(QWidget& field) {
    field.installEventFilter(new UndoKeysFilter(&field));
}

}  // namespace sredna
