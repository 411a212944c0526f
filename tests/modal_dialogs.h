#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

// Answering the program's modal dialogs from a test: the work is done from
// inside the dialog's own event loop, once it is shown.
namespace sredna::test {

// Does what a modal window of the type needs done; gives up after five
// seconds.
template <typename Modal>
void WhenModal(const std::function<void(Modal*)>& work, int tries = 500) {
    QTimer::singleShot(10, [work, tries] {
        if (auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget())) {
            work(modal);
        } else if (tries > 0) {
            WhenModal(work, tries - 1);
        }
    });
}

// Writes a name into a file dialog and presses Enter.
inline void TypeFileName(QFileDialog* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (edit == nullptr) {
        dialog->reject();
        return;
    }
    edit->setText(name);  // typed, its completions would pop up over the dialog
    QTest::keyClick(edit, Qt::Key_Return);
}

}  // namespace sredna::test
