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

// The answer to the next modal window of the type, owned by the test: while
// it lives it waits for that window and does what it needs done, once. A
// window that stays after the answer, or another that comes of it and stays,
// is a failure, and goes. When the answer goes, at the end of the scope the
// test gives it, it stops waiting, and fails the test if its window never
// came: an action that should have asked and did not is caught, and no wait
// outlives its test to answer the next test's dialog.
template <typename Modal>
class [[nodiscard]] ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(Modal*)> act, const char* expected = "a dialog")
        : expected_(expected), state_(std::make_shared<State>()) {
        QObject::connect(
            &poll_, &QTimer::timeout, &poll_,
            [poll = &poll_, act = std::move(act), state = state_] { Tick(*poll, act, *state); });
        poll_.start(10);
    }
    ~ModalAnswer() {
        poll_.stop();
        if (!state_->acted) {
            ADD_FAILURE() << expected_ << " never came";
        }
    }
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;

    bool answered() const { return state_->acted; }

private:
    static constexpr int kPatience = 300;  // ticks of 10 ms
    struct State {
        bool acted = false;
        int ticks = 0;
    };

    static void Tick(QTimer& poll, const std::function<void(Modal*)>& act, State& state) {
        QWidget* top = QApplication::activeModalWidget();
        if (!state.acted) {
            auto* shown = qobject_cast<Modal*>(top);
            if (shown == nullptr) {
                return;
            }
            if (shown->isActiveWindow()) {
                state.acted = true;
                state.ticks = 0;
                act(shown);
                return;
            }
            if (++state.ticks <= kPatience) {
                shown->activateWindow();
                return;
            }
            ADD_FAILURE() << "the dialog never got the focus";
        } else if (top == nullptr) {
            poll.stop();
            return;
        } else if (++state.ticks <= kPatience) {
            return;
        } else {
            ADD_FAILURE() << "a dialog took no answer: " << Describe(top);
        }
        top->close();
    }

    const char* expected_;
    std::shared_ptr<State> state_;
    QTimer poll_;
};

// A question that must not come while it lives: one that does is a failure,
// and goes.
class NoQuestion {
public:
    NoQuestion() {
        guard_.setSingleShot(true);
        QObject::connect(&guard_, &QTimer::timeout, &guard_, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a question came: " << Describe(modal);
                modal->close();
            }
        });
        guard_.start(3000);
    }

private:
    QTimer guard_;
};

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
