#pragma once

#include <QString>

#include <functional>
#include <string>

#include "core/model/form.h"
#include "ui/output/report_pages.h"

class QWidget;

namespace sredna {

// The report on paper and in a file: printed through the system's print
// dialog, or saved as a PDF of the same pages or as the report's text under
// the same header. The pages carry the numbers, and the picture when its
// window is open, while they are still those of the report.
class ReportOutput {
public:
    // picture: the picture window, once it has been made.
    ReportOutput(const Form& form, char separator, QWidget& window,
                 std::function<const QWidget*()> picture);

    // "Печат…"
    void print();
    // "Запази отчета…"
    void save();

    // What goes on the pages now.
    ReportPages pages() const;
    // The saved text: the pages' header lines, an empty line and the report.
    std::string fileText() const;

private:
    const Form& form_;
    char separator_;
    QWidget& window_;
    std::function<const QWidget*()> picture_;
};

}  // namespace sredna
