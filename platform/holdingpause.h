#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

class QEvent;

// The pause after a mark where the window system hands clicks and keys to
// the program the moment they happen, as a browser does, rather than
// queueing them: they are held while the pause lasts and reach their windows
// in order once it is over, as they do from a desktop's event queue. Each
// step lets the window repaint and timers run, and waits without spinning.
class HoldingPause : public QObject {
public:
    HoldingPause();
    ~HoldingPause() override;
    HoldingPause(const HoldingPause &) = delete;
    HoldingPause &operator=(const HoldingPause &) = delete;

    // One step of the pause (Platform::pauseStep).
    void step();
    // Clicks, keys and moves waiting for the pause to end.
    int waiting() const { return static_cast<int>(held_.size()); }

private:
    struct Held {
        QPointer<QObject> window;
        std::function<std::unique_ptr<QEvent>()> make;
    };

    bool eventFilter(QObject *watched, QEvent *event) override;
    void hold();
    void release();

    std::deque<Held> held_;
    // Fires once the steps have stopped and the event loop runs again: no
    // events are handled between two steps of one pause.
    QTimer over_;
    bool holding_ = false;
};
