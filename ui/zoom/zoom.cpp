#include "ui/zoom/zoom.h"

#include <QAction>
#include <QSettings>

#include "core/model/window_texts.h"
#include "core/zoom/zoom_steps.h"
#include "ui/text/model_text.h"
#include "ui/zoom/zoom_style.h"

namespace sredna {

namespace {

// In the user's own settings: the registry on Windows, a file in the
// configuration folder elsewhere.
const QString kSettingsKey = QStringLiteral("window/zoom");

// Anything but a step, or settings that cannot be read, is the normal size.
int RememberedPercent() {
    const QSettings settings;
    bool number = false;
    const int percent = settings.value(kSettingsKey).toInt(&number);
    return settings.status() == QSettings::NoError && number && zoom::IsStep(percent)
               ? percent
               : zoom::kNormal;
}

// Written at once, so that it survives a crash.
void Remember(int percent) {
    QSettings settings;
    settings.setValue(kSettingsKey, percent);
    settings.sync();
}

}  // namespace

Zoom::Zoom(Fits fits, QObject* parent)
    : QObject(parent),
      fits_(std::move(fits)),
      percent_(zoom::LargestFitting(RememberedPercent(), fits_)),
      zoomIn_(
          addAction(texts::kZoomIn,
                    {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)},
                    &Zoom::stepUp)),
      zoomOut_(
          addAction(texts::kZoomOut, {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &Zoom::stepDown)),
      normalSize_(addAction(texts::kZoomNormal, {QKeySequence(Qt::CTRL | Qt::Key_0)},
                            &Zoom::stepToNormal)) {
    if (percent_ != zoom::kNormal) {
        style_ = new ZoomStyle(this);
        style_->setFactor(factor());
    }
    updateActions();
}

Zoom::~Zoom() = default;

QAction* Zoom::addAction(std::string_view text, const QList<QKeySequence>& keys,
                         void (Zoom::*step)()) {
    auto* action = new QAction(FromModel(text), this);
    action->setShortcuts(keys);
    action->setShortcutVisibleInContextMenu(true);
    connect(action, &QAction::triggered, this, step);
    return action;
}

QList<QAction*> Zoom::actions() const {
    return {zoomIn_, zoomOut_, normalSize_};
}

void Zoom::setStyleOf(QWidget& window) const {
    SetZoomStyle(window, percent_ == zoom::kNormal ? nullptr : style_);
}

void Zoom::fitScreen() {
    const int fitting = zoom::LargestFitting(percent_, fits_);
    if (fitting != percent_) {
        setPercent(fitting, false);
    } else {
        updateActions();
    }
}

void Zoom::stepUp() {
    const int next = zoom::StepUp(percent_);
    if (next != percent_ && fits_(next)) {
        setPercent(next, true);
    }
}

void Zoom::stepDown() {
    setPercent(zoom::StepDown(percent_), true);
}

void Zoom::stepToNormal() {
    setPercent(zoom::kNormal, true);
}

void Zoom::setPercent(int percent, bool remember) {
    if (percent == percent_) {
        return;
    }
    if (remember) {
        Remember(percent);
    }
    percent_ = percent;
    if (style_ == nullptr) {
        style_ = new ZoomStyle(this);
    }
    style_->setFactor(factor());
    updateActions();
    emit changed(factor());
}

void Zoom::updateActions() {
    const int next = zoom::StepUp(percent_);
    zoomIn_->setEnabled(next != percent_ && fits_(next));
    zoomOut_->setEnabled(percent_ != zoom::kNormal);
    normalSize_->setEnabled(percent_ != zoom::kNormal);
}

}  // namespace sredna
