#pragma once

#include <QWidget>

#include <optional>

#include "core/model/form.h"
#include "core/picture/guess.h"
#include "core/picture/picture_model.h"
#include "ui/picture/picture_commands.h"
#include "ui/picture/picture_painter.h"
#include "ui/picture/value_mover.h"

class QIODevice;

namespace sredna {

class ValueTableModel;

// The picture of the values and weights lists and the selected kind, built
// from the model when it changes and painted to the widget's size. Screen
// readers meet it as a chart described in words, named after the selected
// value of the values list. Its keys and the mouse select and move the
// values (ValueMover); the selected one has a focus ring. While the pupil
// guesses the selected kind's mean, it hides everything that gives the mean
// away until the guess is answered.
class PictureView : public QWidget {
    Q_OBJECT

public:
    // values: the order and the mean the selected value is named by.
    PictureView(Form& form, PictureCommands commands, const ValueTableModel& values, char separator,
                QWidget* parent);

    // The lists or the kind have changed: the picture follows now if it is
    // shown, and otherwise when it is next shown. Screen readers hear of it.
    void modelChanged();
    // Another value is selected: its focus ring moves, and screen readers
    // hear of it.
    void selectionChanged();

    // Tells screen readers that the name and the description may have
    // changed: another value selected, the lists changed. A refusal ("the
    // value does not move: …") is added to the description until the next
    // call, since Qt has no event that only speaks a text. Told once the
    // event at hand is done, and never during a drag.
    void announce(const QString& refusal = {});
    // "стойност 4, номер 3 от 30, разстояние до средната ≈ 0,36667"; without
    // a selected value, what the view shows.
    QString chartName() const;
    // The picture in words, and the last refusal.
    QString chartDescription() const;

    // P and "Познай средната": a guess of the selected kind's mean starts,
    // or the one on is left. Where the mean has no value, the status line
    // says why and no guess starts.
    void toggleGuess();
    bool guessing() const { return guess_.has_value(); }
    bool dragging() const { return mover_.dragging(); }
    // While the guess waits for its answer: where its marker stands.
    std::optional<double> hiddenGuess() const;

    // As shown: while a guess waits for its answer, without the answer.
    const Picture& picture() const { return picture_; }
    // The size the window opens at, at the present zoom: a larger window
    // draws in a larger font, up to twice as large, so that a maximised
    // picture reads from the back of a classroom.
    void setDefaultSize(const QSize& size);
    QSize defaultSize() const { return defaultSize_; }
    // The font the picture is drawn in: the widget's, grown with the view.
    QFont shownFont() const;
    // The picture as shown, at twice the pixels, for documents and print.
    QImage image() const;
    // The picture as shown, as one vector PDF page of its size; false if the
    // PDF could not be written.
    bool writePdf(QIODevice& device) const;

    // The status line under the plot: why the last move or guess did
    // nothing, else a guess's answer; empty for none.
    QString status() const;

signals:
    void statusChanged(const QString& text);
    // A guess has started, been answered or been left.
    void guessChanged();
    // A drag has been let go or cancelled, before it is told.
    void dragEnded();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A zoom step changes the font, and with it how much fits.
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // A key held down as the focus goes has made its step.
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // What the widget's size has room for.
    PictureGeometry fitting() const;
    void rebuild();
    void paint(QPainter& painter) const;
    PictureLook look() const;
    // The key's command, if it is one of the plot's.
    bool runKey(const QKeyEvent& event);
    // Those without Shift, Ctrl or Alt.
    bool runPlainKey(int key, bool held);
    // The keys that move the guess marker and answer or leave the guess.
    bool runGuessKey(const QKeyEvent& event);
    // What a guess shows of the picture as built.
    void showGuess();
    void answerGuess();
    void leaveGuess();
    // The place on the line under an x of the view, in the line's numbers.
    double valueAt(double x) const;
    // After a key or the mouse: the status line and assistive technology.
    void afterAction();
    // Why the last move or P did nothing; empty for none.
    QString refusal() const;
    void endDrag(bool cancel);

    const WindowModel& model_;
    const ValueTableModel& values_;
    char separator_;
    ValueMover mover_;
    QString refusal_;
    bool announcing_ = false;
    Picture picture_;
    // While guessing: the guess, and the picture whole, as built.
    std::optional<Guess> guess_;
    Picture whole_;
    // Why P started no guess, until the next thing done here.
    QString guessRefusal_;
    // While a value is dragged: the values the line keeps in reach, and how
    // high the pointer is.
    std::optional<LineReach> reach_;
    double dragY_ = 0;
    // The room the picture was built for: another size rebuilds it.
    PictureGeometry geometry_;
    QSize defaultSize_;
    bool stale_ = true;
};

}  // namespace sredna
