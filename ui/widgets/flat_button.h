#pragma once

#include <QColor>
#include <QPushButton>

class QPainter;

namespace sredna {

// A push button whose face is painted flat in its own colour, with a raised
// edge that sinks while pressed. Styles either ignore a button's colour or
// turn it into a gradient; painting it here keeps it exact on every desktop
// without pulling in the style-sheet engine.
class FlatButton : public QPushButton {
    Q_OBJECT

public:
    FlatButton(const QString& text, const QColor& face, QWidget* parent);

    QColor face() const { return face_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The caption within the rectangle, which moves by a pixel while the
    // button is down; the painter's pen holds the captions' ink.
    virtual void paintCaption(QPainter& painter, const QRect& face);

private:
    QColor face_;
};

}  // namespace sredna
