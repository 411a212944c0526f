#include "ui/widgets/program_icon.h"

#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <optional>

namespace sredna {

namespace {

// The sizes drawn into the resources at build time, smallest first.
constexpr int kSizes[] = {SREDNA_WINDOW_ICON_SIZES};

QString ImageFile(int size) {
    return QStringLiteral(":/icons/sredna-%1.png").arg(size);
}

// Answers what sizes the icon has without reading any image, and reads all
// of them the first time one is drawn. A QIcon given the files reads each
// as it is added, size given or not.
class ProgramIconEngine : public QIconEngine {
public:
    ProgramIconEngine() = default;
    ProgramIconEngine(const ProgramIconEngine& other) = default;

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("sredna"); }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (int size : kSizes) {
            sizes.append(QSize(size, size));
        }
        return sizes;
    }

    // As QIcon chooses: the smallest image at least as large as asked,
    // else the largest, scaled down to fit.
    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QSize best;
        for (int side : kSizes) {
            best = QSize(side, side);
            if (side * side >= size.width() * size.height()) {
                break;
            }
        }
        return best.width() > size.width() || best.height() > size.height()
                   ? best.scaled(size, Qt::KeepAspectRatio)
                   : best;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return images().pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
    }

private:
    const QIcon& images() {
        if (!images_) {
            images_.emplace();
            for (int size : kSizes) {
                // By Qt's own PNG reader: guessing the format would load
                // every image format plugin to ask it.
                QImageReader reader(ImageFile(size), "png");
                reader.setAutoDetectImageFormat(false);
                images_->addPixmap(QPixmap::fromImage(reader.read()));
            }
        }
        return *images_;
    }

    std::optional<QIcon> images_;
};

}  // namespace

QIcon ProgramIcon() {
    return QIcon(new ProgramIconEngine);
}

}  // namespace sredna
