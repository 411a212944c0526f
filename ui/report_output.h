#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "core/form.h"
#include "ui/report_pages.h"

class QAction;
class QWidget;

namespace sredna {

// The report on paper and in a file: "Печат…" (Ctrl+P) through the system's
// print dialog, and "Запази отчета…" (Ctrl+Shift+S) as a PDF of the same
// pages or as the report's text alone. The pages carry the picture when its
// window is open and still shows what the report says.
class ReportOutput : public QObject {
    Q_OBJECT

public:
    // picture: the picture window, once it has been made.
    ReportOutput(const Form& form, char separator, QWidget& window,
                 std::function<const QWidget*()> picture);

    QList<QAction*> actions() const { return {print_, save_}; }

    // What goes on the pages now.
    ReportPages pages() const;

private:
    void print();
    void save();

    const Form& form_;
    char separator_;
    QWidget& window_;
    std::function<const QWidget*()> picture_;
    QAction* print_;
    QAction* save_;
    QString folder_;  // where the last report was saved
};

}  // namespace sredna
