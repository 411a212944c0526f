#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace sredna::test {

// Notes Qt's warnings while it lives, and still prints them.
class QtWarnings {
public:
    QtWarnings() {
        Noted().clear();
        Previous() = qInstallMessageHandler(&QtWarnings::Note);
    }
    ~QtWarnings() { qInstallMessageHandler(Previous()); }
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

    static QStringList All() { return Noted(); }
    // Those of an item view that has lost track of an editor it opened.
    static QStringList OfLostEditors() {
        return Noted().filter(QStringLiteral("editor that does not belong to this view"));
    }

private:
    static QStringList& Noted() {
        static QStringList noted;
        return noted;
    }
    static QtMessageHandler& Previous() {
        static QtMessageHandler previous = nullptr;
        return previous;
    }
    static void Note(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg) {
            Noted().append(text);
        }
        if (Previous() != nullptr) {
            Previous()(type, context, text);
        }
    }
};

}  // namespace sredna::test
