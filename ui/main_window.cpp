#include "ui/main_window.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>

#include "ui/application.h"
#include "ui/flat_button.h"
#include "ui/flat_frame.h"
#include "ui/intro_text.h"
#include "ui/layout.h"
#include "ui/text_lines.h"

namespace sredna {

namespace {

// The reports use the decimal separator of the user's regional settings.
char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point == QStringLiteral(",") ? ',' : '.';
}

double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
}

void PaintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString FromModel(const std::string& text) {
    return QString::fromStdString(text);
}

// A screen reader spells out a word that mixes scripts letter by letter, so
// the weighted caption's Latin "p" is read as its Cyrillic twin.
QString AccessibleOptionName(int index, const QString& caption) {
    return index == static_cast<int>(MeanKind::Weighted) ? QStringLiteral("претеглена") : caption;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      form_(std::string(introText()), SystemDecimalSeparator()),
      dpi_(LogicalDpi()) {
    setWindowTitle(layout::WindowCaption());
    // Screen readers announce the window by its title without the address,
    // which would mix Latin into a Cyrillic name.
    setAccessibleName(QString::fromUtf8(layout::kCaptionText));
    setWindowIcon(ProgramIcon());
    setFont(layout::WindowFont(layout::kWindowPointSize));
    PaintBackground(this, layout::kWindowColour);
    setFixedSize(layout::ToPixels(layout::kClientWidth, dpi_),
                 layout::ToPixels(layout::kClientHeight, dpi_));

    buildControls();
    form_.Model().Hub().SetChangeListener([this](const Change& change) { noteChange(change); });
    // The first refresh, after the load event, shows every control as the
    // model holds it.
    listItems_.set();
    listSelections_.set();
    listVisibility_.set();
    texts_.set();
    labelVisibility_.set();
    options_ = true;
    handle([this] { form_.Form_Load(); });
    connectControls();
    setTabOrder();
    spis_[kCountList]->setFocus();
}

void MainWindow::buildControls() {
    const WindowModel& model = form_.Model();
    const QFont smallFont = layout::WindowFont(layout::kSmallLabelPointSize);
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        auto* list = new QListWidget(this);
        list->setGeometry(layout::ToPixels(layout::kSpis[i], dpi_));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        spis_[static_cast<std::size_t>(i)] = list;
    }
    const std::array<const char*, WindowModel::kTextCount> textNames = {"Въведение", "Резултат"};
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        auto* box = new QPlainTextEdit(this);
        box->setGeometry(layout::ToPixels(layout::kText1[i], dpi_));
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        box->setAccessibleName(QString::fromUtf8(textNames[static_cast<std::size_t>(i)]));
        form_.Model().Text1(i).AttachView(
            [box] { return text_lines::ToModel(box->toPlainText()); });
        text1_[static_cast<std::size_t>(i)] = box;
    }
    for (int i = 0; i < 6; ++i) {
        const Label& source = i == 4 ? model.Etiket(4) : model.Label1(i);
        auto* header = new QLabel(FromModel(source.Caption()), this);
        header->setGeometry(layout::ToPixels(layout::kLabels[i], dpi_));
        header->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        PaintBackground(header, layout::kLabelColour);
        if (layout::UsesSmallFont(i)) {
            header->setFont(smallFont);
        }
        labels_[static_cast<std::size_t>(i)] = header;
    }
    // Each list is named after its header for screen readers.
    const std::array<int, WindowModel::kListCount> headers = {1, 2, 5, 4, 3};
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        spis_[static_cast<std::size_t>(i)]->setAccessibleName(
            labels_[static_cast<std::size_t>(headers[static_cast<std::size_t>(i)])]->text());
    }
    for (int i = 0; i < WindowModel::kCommandCount; ++i) {
        auto* button =
            new FlatButton(FromModel(model.Command1(i)), layout::kCommandColours[i], this);
        button->setGeometry(layout::ToPixels(layout::kCommand1[i], dpi_));
        button->setAccessibleName(button->text());
        command1_[static_cast<std::size_t>(i)] = button;
    }
    frame1_ = new FlatFrame(FromModel(model.Frame1()), this);
    frame1_->setGeometry(layout::ToPixels(layout::kFrame1, dpi_));
    PaintBackground(frame1_, layout::kWindowColour);
    for (int i = 0; i < kMeanKindCount; ++i) {
        auto* option = new QRadioButton(FromModel(model.Option1().Caption(i)), frame1_);
        option->setGeometry(layout::ToPixels(layout::Option1(i), dpi_));
        PaintBackground(option, layout::kOptionColour);
        option->setAccessibleName(AccessibleOptionName(i, option->text()));
        option1_[static_cast<std::size_t>(i)] = option;
    }
    // The title label lies under the report box's top edge.
    labels_[0]->lower();
}

void MainWindow::connectControls() {
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        QListWidget* list = spis_[static_cast<std::size_t>(i)];
        connect(list, &QListWidget::itemSelectionChanged, this, [this, i, list] {
            const QList<QListWidgetItem*> selected = list->selectedItems();
            const int row = selected.isEmpty() ? -1 : list->row(selected.first());
            handle([this, i, row] {
                form_.Model().Spis(i).SetSelected(row);
                // The model may keep its selection: show the one it holds.
                listSelections_.set(static_cast<std::size_t>(i));
            });
        });
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        QPlainTextEdit* box = text1_[static_cast<std::size_t>(i)];
        // The model reads an edited text back only when it needs it.
        connect(box, &QPlainTextEdit::textChanged, this,
                [this, i] { handle([this, i] { form_.Model().Text1(i).EditedInView(); }); });
    }
    for (int i = 0; i < kMeanKindCount; ++i) {
        connect(option1_[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, i](bool on) {
                    if (on) {
                        handle([this, i] { form_.Model().Option1().Select(i); });
                    }
                });
    }
    for (int i = 0; i < WindowModel::kCommandCount; ++i) {
        connect(command1_[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { handle([this, i] { form_.Command1_Click(i); }); });
    }
}

void MainWindow::setTabOrder() {
    const std::array<QWidget*, 16> order = {
        spis_[kCountList],   spis_[kValuesList], text1_[kIntroBox],  spis_[kRangeList],
        command1_[0],        command1_[1],       text1_[kReportBox], command1_[2],
        spis_[kWeightsList], spis_[kMedianList], option1_[0],        option1_[1],
        option1_[2],         option1_[3],        option1_[4],        option1_[5]};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
}

// The window is centred by its frame, which exists only with the native
// window: first when it is shown, and again, once, when an X11 window manager
// frames it only after that, unless the window has been moved meanwhile.
bool MainWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        case QEvent::Show:
            if (!placed_) {
                placed_ = true;
                placeOnScreen();
                frameAwaited_ = placedFrame_.isNull();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::WindowActivate:
            if (frameAwaited_ && nativeFrameMargins() != placedFrame_) {
                frameAwaited_ = false;
                if (geometry().topLeft() == placedAt_) {
                    placeOnScreen();
                }
            }
            // A window manager has framed the window before it activates
            // it; without one no frame comes.
            if (event->type() == QEvent::WindowActivate) {
                frameAwaited_ = false;
            }
            break;
        default:
            break;
    }
    return handled;
}

QMargins MainWindow::nativeFrameMargins() const {
    // The window system's own, not QWidget's copy, which it updates only on a move.
    const QWindow* native = windowHandle();
    return native != nullptr ? native->frameMargins() : QMargins();
}

void MainWindow::placeOnScreen() {
    const QScreen* where = screen();
    if (where == nullptr) {
        return;
    }
    placedFrame_ = nativeFrameMargins();
    const QPoint frame =
        layout::WindowPosition(size().grownBy(placedFrame_), where->availableGeometry());
    placedAt_ = frame + QPoint(placedFrame_.left(), placedFrame_.top());
    setGeometry(QRect(placedAt_, size()));
}

template <typename Action>
void MainWindow::handle(Action action) {
    if (refreshing_) {
        return;  // a widget echoing what refresh() just showed it
    }
    action();
    refresh();
}

void MainWindow::noteChange(const Change& change) {
    const auto at = static_cast<std::size_t>(change.index);
    switch (change.kind) {
        case ChangeKind::ListItems:
            listItems_.set(at);
            break;
        case ChangeKind::ListSelection:
            listSelections_.set(at);
            break;
        case ChangeKind::ListVisible:
            listVisibility_.set(at);
            break;
        case ChangeKind::Text:
            texts_.set(at);
            break;
        case ChangeKind::Option:
            options_ = true;
            break;
        case ChangeKind::LabelVisible:
            labelVisibility_.set(at);
            break;
    }
}

void MainWindow::refresh() {
    refreshing_ = true;
    const WindowModel& model = form_.Model();
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (listItems_[at] || listSelections_[at]) {
            showList(i, listItems_[at]);
        }
        if (listVisibility_[at]) {
            spis_[at]->setVisible(model.Spis(i).Visible());
        }
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        if (texts_[static_cast<std::size_t>(i)]) {
            showText(i);
        }
    }
    for (int i = 0; i < 6; ++i) {
        if (labelVisibility_[static_cast<std::size_t>(i)]) {
            const Label& source = i == 4 ? model.Etiket(4) : model.Label1(i);
            labels_[static_cast<std::size_t>(i)]->setVisible(source.Visible());
        }
    }
    if (options_) {
        for (int i = 0; i < kMeanKindCount; ++i) {
            option1_[static_cast<std::size_t>(i)]->setChecked(model.Option1().Value(i));
        }
    }
    listItems_.reset();
    listSelections_.reset();
    listVisibility_.reset();
    texts_.reset();
    labelVisibility_.reset();
    options_ = false;
    refreshing_ = false;
}

void MainWindow::showList(int index, bool items) {
    const ListBox& source = form_.Model().Spis(index);
    QListWidget* list = spis_[static_cast<std::size_t>(index)];
    if (items) {
        list->clear();
        QStringList texts;
        texts.reserve(source.Count());
        for (const std::string& item : source.Items()) {
            texts.append(FromModel(item));
        }
        list->addItems(texts);
    }
    if (source.Selected() < 0) {
        list->clearSelection();
    } else {
        list->setCurrentRow(source.Selected());
    }
}

void MainWindow::showText(int index) {
    QPlainTextEdit* box = text1_[static_cast<std::size_t>(index)];
    const QString text = text_lines::ToWidget(form_.Model().Text1(index).Text());
    if (box->toPlainText() != text) {
        box->setPlainText(text);  // also puts the caret and the view at the top
    }
}

}  // namespace sredna
