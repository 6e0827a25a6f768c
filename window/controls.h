#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// A control's objectName: its designed name with its index, "Command5(1)".
QString indexed(const char *control, int index);

// A label without a handler: it takes its clicks, so they neither beep nor
// reach the panel beneath it.
class QuietLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
};

// One of the panel's pictures: the design-size GIF at scale 1, elsewhere a
// high-resolution rendering of the same drawing made smaller to the size it
// is shown at.
class Picture : public QuietLabel {
    Q_OBJECT
public:
    Picture(QWidget *parent, const QString &name, const QString &gif, const QString &largeRendering, QPoint at);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    QImage picture_; // at design size, a byte a pixel where it has 256 colours or fewer
    QString large_;
    QImage shown_; // the rendering at the last scale drawn
    double shownScale_ = 0;
};

// A button that shows a loudspeaker, drawn as lines at whatever scale the
// window is shown.
class SpeakerButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *e) override;
};

// A number or unit box. Its right-click menu opens as a window of its own,
// whole and in the desktop's colours, as large as the drill is drawn.
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit AnswerBox(QWidget *parent);

protected:
    void contextMenuEvent(QContextMenuEvent *e) override;
};
