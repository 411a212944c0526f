#pragma once

#include <QString>
#include <QWidget>

#include <optional>

#include "core/model/window_model.h"

namespace sredna {

class PictureView;

// The window of the picture: an ordinary window beside the main one, whose
// picture follows the model. It copies the picture as an image (Ctrl+C) and
// saves it as PNG or PDF (Ctrl+S), also from its right-click menu. Closing
// it only hides it.
class PictureWindow : public QWidget {
    Q_OBJECT

public:
    // size: where there is room; minimum: the least it may be made.
    PictureWindow(const WindowModel& model, char separator, const QSize& size,
                  const QSize& minimum);

    // Shows it, beside the given window the first time, and brings it to
    // the front.
    void present(const QWidget& beside);
    // The lists or the kind have changed.
    void modelChanged();
    // Draws the picture at a classroom zoom factor: in the zoomed font, the
    // window grown or shrunk in proportion, and never below minimum.
    void setZoom(double factor, const QFont& font, const QSize& minimum);

    PictureView* view() const { return view_; }

private:
    void placeBeside(const QWidget& other);
    void copy();
    void saveAs();

    PictureView* view_;
    bool placed_ = false;
    // The zoom it was last drawn at; at first that of the sizes it was made
    // with.
    std::optional<double> factor_;
};

}  // namespace sredna
