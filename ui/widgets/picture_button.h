#pragma once

#include "ui/widgets/flat_button.h"

namespace sredna {

// The button that opens the picture window: a flat face in the window's
// colour bearing, instead of a caption, a small dot plot balanced on a
// triangle, painted as vectors at whatever size the button has.
class PictureButton : public FlatButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent);

protected:
    void paintCaption(QPainter& painter, const QRect& face) override;
};

}  // namespace sredna
