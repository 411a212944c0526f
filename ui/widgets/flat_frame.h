#pragma once

#include <QGroupBox>

namespace sredna {

// A frame painted flat in its background colour, with an etched border whose
// top line runs through the middle of the caption, as a platform frame shows
// it. Styles shade a group box's inside and set its caption above the line.
class FlatFrame : public QGroupBox {
    Q_OBJECT

public:
    FlatFrame(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The height at which the top border line runs.
    int borderTop() const;
};

}  // namespace sredna
