#include "ui/picture/picture_window.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QSizeF>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <array>
#include <optional>
#include <utility>

#include "ui/output/save_file.h"
#include "ui/picture/picture_view.h"
#include "ui/picture/picture_window_texts.h"
#include "ui/picture/value_table_model.h"
#include "ui/text/model_text.h"
#include "ui/window/layout.h"

namespace sredna {

PictureWindow::PictureWindow(Form& form, PictureCommands moves, char separator, const QSize& size,
                             const QSize& minimum)
    : QWidget(nullptr, Qt::Window),
      values_(new ValueTableModel(form.Model(), separator, this)),
      view_(new PictureView(form, std::move(moves), *values_, separator, this)),
      table_(new QTableView(this)),
      tabs_(new QTabWidget(this)),
      status_(new QLabel(this)) {
    setWindowTitle(FromModel(texts::kPictureWindowTitle));
    // Closing the main window ends the program, this one open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    table_->setModel(values_);
    table_->setAccessibleName(FromModel(texts::kTableName));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Fixed rows and columns that share the width: nothing measures 32,767
    // rows.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tabs_->addTab(view_, FromModel(texts::kPlotTab));
    tabs_->addTab(table_, FromModel(texts::kTableTab));
    tabs_->setDocumentMode(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(QMargins());
    layout->addWidget(tabs_, 1);
    status_->setWordWrap(true);
    status_->setContentsMargins(QMargins(4, 2, 4, 2));
    layout->addWidget(status_);
    // Shown only while it says something: otherwise the tabs have the whole
    // window.
    status_->hide();
    connect(view_, &PictureView::statusChanged, status_, [this](const QString& text) {
        status_->setText(text);
        status_->setVisible(!text.isEmpty());
    });
    setMinimumSize(minimum);
    resize(size);
    view_->setDefaultSize(size);

    struct Command {
        std::string_view text;
        QKeySequence keys;
        void (PictureWindow::*run)();
    };
    const std::array<Command, 2> commands = {
        Command{texts::kCopyPicture, QKeySequence(QKeySequence::Copy), &PictureWindow::copy},
        Command{texts::kSavePicture, QKeySequence(Qt::CTRL | Qt::Key_S), &PictureWindow::saveAs}};
    for (const Command& command : commands) {
        auto* action = new QAction(FromModel(command.text), this);
        action->setShortcut(command.keys);
        action->setShortcutVisibleInContextMenu(true);
        connect(action, &QAction::triggered, this, command.run);
        addAction(action);
    }
    addGuessAction();
    connect(view_, &PictureView::dragEnded, this, [this] {
        if (std::exchange(tableStale_, false)) {
            values_->modelChanged();
        }
    });
    setContextMenuPolicy(Qt::ActionsContextMenu);

    // The tab widget turns its tabs with Ctrl+Tab only where no child takes
    // the keys first, which the table does: actions of the tabs' own, out of
    // the window's right-click menu, take them wherever the focus is.
    const std::array<std::pair<QList<QKeySequence>, int>, 2> turns = {
        std::pair{QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Tab)}, 1},
        std::pair{QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)},
                  -1}};
    for (const auto& [keys, step] : turns) {
        auto* turn = new QAction(tabs_);
        turn->setShortcuts(keys);
        turn->setShortcutContext(Qt::WindowShortcut);
        connect(turn, &QAction::triggered, this, [this, step = step] { turnTab(step); });
        tabs_->addAction(turn);
    }
}

void PictureWindow::turnTab(int step) {
    const int count = tabs_->count();
    tabs_->setCurrentIndex((tabs_->currentIndex() + step + count) % count);
    tabs_->currentWidget()->setFocus(Qt::TabFocusReason);
}

void PictureWindow::setZoom(double factor, const QFont& font, const QSize& minimum,
                            const QWidget& beside) {
    setFont(font);
    // Never larger than the screen, where it would hide the main window.
    const QSize room = roomOnScreen();
    setMinimumSize(minimum.boundedTo(room));
    if (factor_ && factor != *factor_) {
        const double ratio = factor / *factor_;
        view_->setDefaultSize((QSizeF(view_->defaultSize()) * ratio).toSize());
        // The size it would have without the screen's bound, so that a step
        // back returns to the size it had.
        if (!zoomedSize_.isValid()) {
            zoomedSize_ = size();
        }
        zoomedSize_ = (QSizeF(zoomedSize_) * ratio).toSize();
        zooming_ = true;
        resize(zoomedSize_.boundedTo(room));
        // Beside the main window again, which has changed size too.
        if (isVisible() && !isMaximized()) {
            placeBeside(beside, false);
        }
        zooming_ = false;
    }
    factor_ = factor;
}

void PictureWindow::resizeEvent(QResizeEvent* event) {
    // A size the user gives is the one the next zoom step starts from.
    if (!zooming_) {
        zoomedSize_ = QSize();
    }
    QWidget::resizeEvent(event);
}

QSize PictureWindow::roomOnScreen() const {
    const QScreen* shown = screen();
    if (shown == nullptr) {
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    }
    const QSize frame = frameGeometry().size() - geometry().size();
    return shown->availableGeometry().size() - frame;
}

void PictureWindow::present(const QWidget& beside) {
    if (!placed_) {
        placed_ = true;
        placeBeside(beside, true);
    }
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    // Its keys work at once.
    view_->setFocus(Qt::ActiveWindowFocusReason);
}

void PictureWindow::modelChanged() {
    // The table costs a sort of every value at every change: hidden, or
    // behind the plot while a value is dragged there, it follows when the
    // window is shown again or the drag ends.
    tableStale_ = !isVisible() || view_->dragging();
    if (!tableStale_) {
        values_->modelChanged();
    }
    view_->modelChanged();
}

void PictureWindow::showEvent(QShowEvent* event) {
    if (std::exchange(tableStale_, false)) {
        values_->modelChanged();
    }
    QWidget::showEvent(event);
}

void PictureWindow::addGuessAction() {
    auto* guess = new QAction(FromModel(texts::kGuessMean), this);
    guess->setCheckable(true);
    // P, also with a Bulgarian layout, where the key is П (phonetic) or З
    // (standard): Qt names a letter's key by its capital. The menu shows the
    // first.
    constexpr int kCyrillicPe = 0x041F;
    constexpr int kCyrillicZe = 0x0417;
    guess->setShortcuts(
        {QKeySequence(Qt::Key_P), QKeySequence(kCyrillicPe), QKeySequence(kCyrillicZe)});
    guess->setShortcutVisibleInContextMenu(true);
    connect(guess, &QAction::triggered, this, [this, guess] {
        view_->toggleGuess();
        guess->setChecked(view_->guessing());
    });
    connect(view_, &PictureView::guessChanged, this, [this, guess] {
        guess->setChecked(view_->guessing());
        // No distance in the table gives the mean away either.
        values_->setGuessing(view_->hiddenGuess().has_value());
    });
    addAction(guess);
}

void PictureWindow::selectionChanged() {
    view_->selectionChanged();
}

void PictureWindow::placeBeside(const QWidget& other, bool mayNarrow) {
    const QScreen* screen = other.screen();
    if (screen == nullptr) {
        return;
    }
    // This window has no frame before it is shown: it will have the other's.
    const QRect otherFrame = other.frameGeometry();
    const QRect otherInside = other.geometry();
    const QMargins edges(
        otherInside.left() - otherFrame.left(), otherInside.top() - otherFrame.top(),
        otherFrame.right() - otherInside.right(), otherFrame.bottom() - otherInside.bottom());
    const QSize framed = size().grownBy(edges);
    const std::optional<QRect> frame = layout::FrameBeside(
        otherFrame, framed,
        mayNarrow ? minimumWidth() + edges.left() + edges.right() : framed.width(),
        screen->availableGeometry());
    if (frame) {
        setGeometry(frame->marginsRemoved(edges));
    } else if (isVisible()) {
        // No room beside it: at least wholly on the screen (a window's
        // position is its frame's).
        move(layout::WindowPositionNear(frameGeometry(), screen->availableGeometry()));
    }
}

void PictureWindow::copy() {
    const QImage image = view_->image();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    auto* copied = new QMimeData;
    copied->setImageData(image);
    copied->setData(QStringLiteral("image/png"), png);
    QGuiApplication::clipboard()->setMimeData(copied);
}

void PictureWindow::saveAs() {
    const std::vector<FileFormat> formats = {{FromModel(texts::kPngFilter), QStringLiteral("png")},
                                             {FromModel(texts::kPdfFilter), QStringLiteral("pdf")}};
    const std::optional<SaveTarget> target = AskWhereToSave(
        this, DialogTitle(texts::kSavePicture), formats, FromModel(texts::kPictureFileName));
    if (!target) {
        return;
    }
    const bool pdf = target->format == 1;
    SaveWhole(this, target->path, texts::kNotSaved, [this, pdf](QIODevice& file) {
        return pdf ? view_->writePdf(file) : view_->image().save(&file, "PNG");
    });
}

}  // namespace sredna
