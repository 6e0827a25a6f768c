#include "platform/system.h"

#include <QLocale>
#include <QMetaObject>
#include <QThread>
#include <QTextToSpeech>

#include <chrono>
#include <future>
#include <vector>

namespace {

// The voice's side of the line: made on the GUI thread, then living on the
// voice's thread, which alone uses the speech object.
struct Line : QObject {
    QTextToSpeech *speech = nullptr;
    std::promise<bool> found;

    void connectVoice()
    {
        auto *s = new QTextToSpeech(QStringLiteral("speechd"));
        bool japanese = false;
        if (s->state() != QTextToSpeech::Error) {
            for (const QLocale &l : s->availableLocales())
                if (l.language() == QLocale::Japanese) {
                    s->setLocale(l);
                    japanese = !s->availableVoices().isEmpty();
                    break;
                }
        }
        if (japanese) {
            speech = s;
            // The synthesiser opens its sound output with its first words,
            // most of a second on a busy machine: a pause, said at once,
            // makes the pupil's first tap as quick as the others.
            speech->say(QStringLiteral("、"));
        } else {
            delete s;
        }
        found.set_value(japanese);
    }
    ~Line() override { delete speech; }
};

// Qt's text-to-speech through speech-dispatcher. Connecting starts the
// dispatcher and its synthesiser, seconds on a busy machine, so it is done on
// a thread of its own when the voice is readied, and the window never waits
// for it (unless it asks whether a voice exists before then), nor does
// quitting.
class SpeechdVoice : public System::Voice {
public:
    SpeechdVoice() : line_(new Line)
    {
        known_ = line_->found.get_future().share();
    }
    ~SpeechdVoice() override
    {
        if (!thread_) {
            delete line_;
            return;
        }
        // The thread ends the line, and then itself, whenever the dispatcher
        // lets it. A QThread must outlive its running, so it is kept, never
        // freed, where the process's end finds it.
        QThread *thread = thread_;
        QMetaObject::invokeMethod(line_, [line = line_, thread] {
            line->deleteLater();
            thread->quit();
        });
        static auto *ending = new std::vector<QThread *>;
        ending->push_back(thread);
    }

    void ready() override
    {
        if (thread_)
            return;
        thread_ = new QThread;
        thread_->setObjectName(QStringLiteral("voice"));
        line_->moveToThread(thread_);
        thread_->start();
        QMetaObject::invokeMethod(line_, [line = line_] { line->connectVoice(); }, Qt::QueuedConnection);
    }

    bool japanese() override
    {
        ready();
        // The dispatcher can take seconds to start on a busy machine: until
        // it has answered, a voice is assumed, and what is said meanwhile
        // waits on the voice's thread and is spoken once it is there.
        if (known_.wait_for(std::chrono::milliseconds(1500)) != std::future_status::ready)
            return true;
        return known_.get();
    }

    void speak(const QString &kana) override
    {
        ready();
        QMetaObject::invokeMethod(
            line_,
            [line = line_, kana] {
                if (!line->speech)
                    return;
                line->speech->stop();
                line->speech->say(kana);
            },
            Qt::QueuedConnection);
    }

    void stop() override
    {
        if (thread_)
            QMetaObject::invokeMethod(line_, [line = line_] { if (line->speech) line->speech->stop(); }, Qt::QueuedConnection);
    }

private:
    Line *line_;
    QThread *thread_ = nullptr;
    std::shared_future<bool> known_;
};

} // namespace

std::unique_ptr<System::Voice> System::voice()
{
    return std::make_unique<SpeechdVoice>();
}
