#include "ui/window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <array>
#include <functional>
#include <utility>

#include "core/model/window_texts.h"
#include "core/zoom/zoom_steps.h"
#include "ui/output/report_texts.h"
#include "ui/text/model_text.h"
#include "ui/text/text_lines.h"
#include "ui/widgets/flat_button.h"
#include "ui/widgets/flat_frame.h"
#include "ui/widgets/picture_button.h"
#include "ui/window/command_keys.h"
#include "ui/window/intro_text.h"

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

// What the button at `index` does.
void RunCommand(Form& form, int index) {
    switch (index) {
        case kClearCommand:
            form.ClearData();
            break;
        case kRandomCommand:
            form.DrawSample();
            break;
        case kCalculateCommand:
            form.Calculate();
            break;
        default:
            break;
    }
}

// QTextDocument's own, between a text box's edge and its text.
constexpr double kTextMargin = 4.0;

QString AccessibleOptionName(int index, const QString& caption) {
    return index == static_cast<int>(MeanKind::Weighted) ? FromModel(texts::kWeightedAccessibleName)
                                                         : caption;
}

}  // namespace

Form MainWindow::makeForm() {
    return Form(std::string(introText()), SystemDecimalSeparator());
}

MainWindow::MainWindow(Form& form, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      form_(form),
      dpi_(LogicalDpi()),
      zoom_([this](int percent) { return fitsScreenAt(percent); }, nullptr),
      controls_(build()),
      sync_(form_, controls_),
      commands_(*this),
      editor_(form_, sync_, controls_, commands_),
      files_(*this, form_, sync_),
      placement_(*this),
      pictureButton_(new PictureButton(this)),
      report_(form_, SystemDecimalSeparator(), *this, [this] { return picture_.get(); }) {
    layOut();
    if (zoom_.percent() != zoom::kNormal) {
        applyZoom();
    }
    // The first refresh, after the load event, shows every control as the
    // model holds it.
    sync_.markAll();
    sync_.handle([this] { form_.Form_Load(); });
    connectControls();
    connectPicture();
    addCommands();
    setTabOrder();
    controls_.list(kCountList)->setFocus();
    // Anywhere in the window.
    addActions(zoom_.actions());
    connect(&zoom_, &Zoom::changed, this, &MainWindow::applyZoom);
    // The screen, and the frame, are known for sure only once it is placed.
    connect(&placement_, &WindowPlacement::placed, &zoom_, &Zoom::fitScreen);
    connect(&sync_, &WidgetSync::refreshed, this, &MainWindow::showUnsaved);
    showUnsaved();
}

MainWindow::~MainWindow() {
    // The form stays; the text boxes' widgets go with the window.
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        form_.Model().TextAt(i).DetachView();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A value still in a list's editor is the user's too: it is committed
    // first, and one the list refuses keeps the window open with its message.
    if (!editor_.commitOpenEditor() || !files_.mayDiscard()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void MainWindow::showUnsaved() {
    setWindowModified(form_.HasUnsavedNumbers());
}

Controls MainWindow::build() {
    // "[*]" is where Qt shows the "*" of numbers not saved.
    setWindowTitle(layout::WindowCaption() + QStringLiteral("[*]"));
    // Screen readers announce the window by its title without the address,
    // which would mix Latin into a Cyrillic name.
    setAccessibleName(FromModel(texts::kCaptionText));
    setFont(layout::WindowFont(layout::kWindowPointSize));
    PaintBackground(this, layout::kWindowColour);

    Controls controls;
    const WindowModel& model = form_.Model();
    const QFont smallFont = layout::WindowFont(layout::kSmallLabelPointSize);
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        auto* list = new QListView(this);
        auto* rows = new ListAdapter(form_.Model().ListAt(i), i, form_.Model().Hub(), list);
        list->setModel(rows);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Every item is one line in the list's font: the list lays out
        // 32,767 of them by the first one's size instead of measuring each,
        // which a zoom step, changing the font, would have it do again.
        list->setUniformItemSizes(true);
        controls.spis[static_cast<std::size_t>(i)] = list;
        controls.rows[static_cast<std::size_t>(i)] = rows;
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        auto* box = new QPlainTextEdit(this);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setTabChangesFocus(true);
        box->setAccessibleName(FromModel(texts::kTextBoxNames.at(static_cast<std::size_t>(i))));
        KeepUndoKeys(*box);
        form_.Model().TextAt(i).AttachView(
            [box] { return text_lines::ToModel(box->toPlainText()); });
        controls.text1[static_cast<std::size_t>(i)] = box;
    }
    for (int i = 0; i < WindowModel::kLabelCount; ++i) {
        auto* header = new QLabel(FromModel(model.LabelAt(i).Caption()), this);
        header->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        PaintBackground(header, layout::kLabelColour);
        if (layout::UsesSmallFont(i)) {
            header->setFont(smallFont);
        }
        controls.labels[static_cast<std::size_t>(i)] = header;
    }
    // Each list is named after its header for screen readers.
    const std::array<int, WindowModel::kListCount> headers = {1, 2, 5, 4, 3};
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        controls.list(i)->setAccessibleName(
            controls.label(headers[static_cast<std::size_t>(i)])->text());
    }
    for (int i = 0; i < WindowModel::kCommandCount; ++i) {
        auto* button =
            new FlatButton(FromModel(model.CommandCaption(i)), layout::kCommandColours[i], this);
        button->setAccessibleName(button->text());
        controls.command1[static_cast<std::size_t>(i)] = button;
    }
    controls.frame1 = new FlatFrame(FromModel(model.KindsCaption()), this);
    PaintBackground(controls.frame1, layout::kWindowColour);
    for (int i = 0; i < kMeanKindCount; ++i) {
        auto* option = new QRadioButton(FromModel(model.Kinds().Caption(i)), controls.frame1);
        PaintBackground(option, layout::kOptionColour);
        option->setAccessibleName(AccessibleOptionName(i, option->text()));
        controls.option1[static_cast<std::size_t>(i)] = option;
    }
    // The title label lies under the report box's top edge.
    controls.label(0)->lower();
    return controls;
}

void MainWindow::layOut() {
    setFixedSize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        controls_.list(i)->setGeometry(pixels(layout::kSpis[i]));
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        controls_.text(i)->setGeometry(pixels(layout::kText1[i]));
    }
    for (int i = 0; i < WindowModel::kLabelCount; ++i) {
        controls_.label(i)->setGeometry(pixels(layout::kLabels[i]));
    }
    for (int i = 0; i < WindowModel::kCommandCount; ++i) {
        controls_.command(i)->setGeometry(pixels(layout::kCommand1[i]));
    }
    controls_.frame1->setGeometry(pixels(layout::kFrame1));
    pictureButton_->setGeometry(pixels(layout::kPictureButton));
    for (int i = 0; i < kMeanKindCount; ++i) {
        controls_.option(i)->setGeometry(pixels(layout::KindOption(i)));
    }
}

double MainWindow::zoomedDpi() const {
    return dpi_ * zoom_.factor();
}

int MainWindow::pixels(int twips) const {
    return layout::ToPixels(twips, zoomedDpi());
}

QRect MainWindow::pixels(const layout::TwipsRect& rect) const {
    return layout::ToPixels(rect, zoomedDpi());
}

QFont MainWindow::zoomedFont(double pointSize) const {
    return layout::WindowFont(pointSize * zoom_.factor());
}

bool MainWindow::fitsScreenAt(int percent) const {
    const double dpi = dpi_ * percent / zoom::kNormal;
    return FitsScreen(*this, QSize(layout::ToPixels(layout::kClientWidth, dpi),
                                   layout::ToPixels(layout::kClientHeight, dpi)));
}

// Every size the window sets grows by the same factor, and the style draws
// its own parts larger; so the window looks like itself, only larger.
void MainWindow::applyZoom() {
    const QRect before = geometry();
    zoom_.setStyleOf(*this);
    setFont(zoomedFont(layout::kWindowPointSize));
    zoomKeys();
    zoomDialogs();
    for (int i = 0; i < WindowModel::kLabelCount; ++i) {
        if (layout::UsesSmallFont(i)) {
            controls_.label(i)->setFont(zoomedFont(layout::kSmallLabelPointSize));
        }
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        controls_.text(i)->document()->setDocumentMargin(kTextMargin * zoom_.factor());
    }
    layOut();
    if (isVisible()) {
        placement_.keepCentre(before);
    }
    zoomPicture();
}

// The keys window is read beside this one: it follows the zoom.
void MainWindow::zoomKeys() {
    if (keys_ == nullptr) {
        return;
    }
    zoom_.setStyleOf(*keys_);
    keys_->setFont(zoomedFont(layout::kWindowPointSize));
}

// Message boxes, file and print dialogs are windows of their own, which take
// no font from the window that opens them: the application gives their
// classes the zoom's, which they take as they are shown. (Windows' print
// dialog is the system's own and cannot follow.)
void MainWindow::zoomDialogs() const {
    const QFont font = zoomedFont(layout::kWindowPointSize);
    for (const char* dialog : {"QMessageBox", "QFileDialog", "QPrintDialog"}) {
        if (QApplication::font(dialog) != font) {
            QApplication::setFont(font, dialog);
        }
    }
}

// The picture window follows the main window's zoom, and takes its keys.
void MainWindow::zoomPicture() {
    if (picture_ == nullptr) {
        return;
    }
    zoom_.setStyleOf(*picture_);
    picture_->setZoom(
        zoom_.factor(), zoomedFont(layout::kWindowPointSize),
        QSize(pixels(layout::kPictureMinimumWidth), pixels(layout::kPictureMinimumHeight)), *this);
}

// Each reaches the model through the sync, and ends with it: the widgets
// outlive both as the window closes.
void MainWindow::connectControls() {
    for (int i = 0; i < WindowModel::kListCount; ++i) {
        QListView* list = controls_.list(i);
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, &sync_,
                [this, i, list] {
                    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
                    const int row = selected.isEmpty() ? -1 : selected.first().row();
                    sync_.handle([this, i, row] {
                        form_.Model().ListAt(i).SetSelected(row);
                        // The model may keep its selection: show the one it holds.
                        sync_.markSelection(i);
                    });
                });
    }
    for (int i = 0; i < WindowModel::kTextCount; ++i) {
        // The model reads an edited text back only when it needs it.
        connect(controls_.text(i), &QPlainTextEdit::textChanged, &sync_,
                [this, i] { sync_.handle([this, i] { form_.Model().TextAt(i).EditedInView(); }); });
    }
    for (int i = 0; i < kMeanKindCount; ++i) {
        connect(controls_.option(i), &QRadioButton::toggled, &sync_, [this, i](bool on) {
            if (on) {
                sync_.handle([this, i] { form_.Model().Kinds().Select(i); });
            }
        });
    }
    for (int i = 0; i < WindowModel::kCommandCount; ++i) {
        connect(controls_.command(i), &QPushButton::clicked, &sync_,
                [this, i] { sync_.handle([this, i] { RunCommand(form_, i); }); });
    }
}

void MainWindow::connectPicture() {
    auto* open = new QAction(this);
    open->setShortcut(QKeySequence(Qt::Key_F4));
    addAction(open);
    connect(open, &QAction::triggered, this, &MainWindow::showPicture);
    connect(pictureButton_, &QPushButton::clicked, this, &MainWindow::showPicture);
    connect(&sync_, &WidgetSync::pictureInputsChanged, this, [this] {
        if (picture_ != nullptr) {
            picture_->modelChanged();
        }
    });
    // The plot's focus ring and name follow the values list's selection.
    connect(&sync_, &WidgetSync::entryListsShown, this, [this] {
        if (picture_ != nullptr) {
            picture_->selectionChanged();
        }
    });
}

void MainWindow::showPicture() {
    if (picture_ == nullptr) {
        // The picture changes the lists as this window does, and writes the
        // report as "Изчисли" does, so that both show the same numbers.
        PictureCommands commands{
            .change =
                [this](const std::function<void()>& action) {
                    sync_.handle(action);
                    commands_.updateEnabled();
                },
            .undo = [this] { undo(); },
            .redo = [this] { redo(); },
            .remove = [this] { editor_.deleteSelectedValue(); },
            .calculate =
                [this] { sync_.handle([this] { RunCommand(form_, kCalculateCommand); }); }};
        picture_ = std::make_unique<PictureWindow>(
            form_, std::move(commands), SystemDecimalSeparator(),
            QSize(pixels(layout::kPictureWidth), pixels(layout::kPictureHeight)),
            QSize(pixels(layout::kPictureMinimumWidth), pixels(layout::kPictureMinimumHeight)));
        picture_->addActions(zoom_.actions());
        // F1 lists the picture's keys too: it works there as well.
        picture_->addAction(keysAction_);
        zoomPicture();
    }
    picture_->present(*this);
}

void MainWindow::addCommands() {
    using Menu = WindowCommands::Menu;
    const ListBox& values = form_.Model().Values();
    const ListHistory& history = form_.History();
    commands_.add(Menu::Data, texts::kOpenNumbers, texts::kOpenNumbersKeys,
                  [this] { files_.openChosen(); });
    commands_.add(
        Menu::Data, texts::kSaveNumbers, texts::kSaveNumbersKeys, [this] { files_.saveChosen(); },
        [&values] { return values.Count() > 0; });
    commands_.add(
        Menu::Data, texts::kUndo, texts::kUndoKeys, [this] { undo(); },
        [&history] { return history.CanUndo(); });
    commands_.add(
        Menu::Data, texts::kRedo, texts::kRedoKeys, [this] { redo(); },
        [&history] { return history.CanRedo(); });
    keysAction_ = commands_.add(Menu::None, texts::kKeysTitle, texts::kKeysWindowKeys,
                                [this] { showKeys(); });
    commands_.add(Menu::Report, texts::kPrint, texts::kPrintKeys, [this] { report_.print(); });
    commands_.add(Menu::Report, texts::kSaveReport, texts::kSaveReportKeys,
                  [this] { report_.save(); });
    for (QAction* step : zoom_.actions()) {
        commands_.adopt(Menu::View, step);
    }
    commands_.extendMenu(*controls_.text(kReportBox), {Menu::Report, Menu::View});
    // Whether there is something to undo, redo or save changes only with
    // the lists.
    connect(&sync_, &WidgetSync::entryListsShown, &commands_, &WindowCommands::updateEnabled);
    commands_.updateEnabled();
}

void MainWindow::undo() {
    sync_.handle([this] { form_.Undo(); });
}

void MainWindow::redo() {
    sync_.handle([this] { form_.Redo(); });
}

void MainWindow::showKeys() {
    if (keys_ == nullptr) {
        keys_ = std::make_unique<KeysWindow>();
        zoomKeys();
    }
    keys_->present(*this);
}

void MainWindow::setTabOrder() {
    const Controls& c = controls_;
    const std::array<QWidget*, 16> order = {
        c.list(kCountList),   c.list(kValuesList), c.text(kIntroBox),  c.list(kRangeList),
        c.command(0),         c.command(1),        c.text(kReportBox), c.command(2),
        c.list(kWeightsList), c.list(kMedianList), c.option(0),        c.option(1),
        c.option(2),          c.option(3),         c.option(4),        c.option(5)};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
}

}  // namespace sredna
