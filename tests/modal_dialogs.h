#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

// Answering the program's modal dialogs from a test: the work is done from
// inside the dialog's own event loop, once it is shown and has the focus, as
// it would for the user.
namespace sredna::test {

// What a dialog left open says, for the failure that closes it.
inline std::string Describe(const QWidget* modal) {
    QString text = modal->windowTitle();
    if (const auto* box = qobject_cast<const QMessageBox*>(modal)) {
        text += QStringLiteral(": ") + box->text();
    }
    return text.toStdString();
}

// Does what the next modal window of the type needs done. One that stays
// after the answer, or another that comes of it and stays, is a failure, and
// goes.
template <typename Modal>
void WhenModal(std::function<void(Modal*)> act) {
    constexpr int kPatience = 300;  // ticks of 10 ms
    struct State {
        bool acted = false;
        int ticks = 0;
    };
    // The application's, so that a poll still waiting when a test ends goes
    // with it.
    auto* poll = new QTimer(qApp);
    auto state = std::make_shared<State>();
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act), state] {
        QWidget* top = QApplication::activeModalWidget();
        if (!state->acted) {
            auto* shown = qobject_cast<Modal*>(top);
            if (shown == nullptr) {
                return;
            }
            if (shown->isActiveWindow()) {
                state->acted = true;
                state->ticks = 0;
                act(shown);
                return;
            }
            if (++state->ticks <= kPatience) {
                shown->activateWindow();
                return;
            }
            ADD_FAILURE() << "the dialog never got the focus";
        } else if (top == nullptr) {
            poll->stop();
            poll->deleteLater();
            return;
        } else if (++state->ticks <= kPatience) {
            return;
        } else {
            ADD_FAILURE() << "a dialog took no answer: " << Describe(top);
        }
        top->close();
    });
    poll->start(10);
}

// Types a file's path into a file dialog, key by key, and presses Enter.
inline void TypeFileName(QFileDialog* dialog, const QString& path) {
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (name == nullptr) {
        ADD_FAILURE() << "the dialog has no file name";
        dialog->reject();
        return;
    }
    name->selectAll();
    // keyClicks knows only ASCII.
    for (const QChar c : path) {
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, c, Qt::NoModifier);
    }
    // The names that complete the typed one may show, as the folder is read:
    // they go first.
    if (QWidget* completions = name->completer()->popup(); completions->isVisible()) {
        QTest::keyClick(completions, Qt::Key_Escape);
    }
    QTest::keyClick(name, Qt::Key_Return);
}

}  // namespace sredna::test
