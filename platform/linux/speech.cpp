#include "platform/system.h"

#include <QLocale>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QTextToSpeech>

#include <chrono>
#include <future>

namespace {

// Qt's text-to-speech through speech-dispatcher. Connecting starts the
// dispatcher and its synthesiser, about a second, so it is done on a thread
// of its own when the voice is readied, and the window never waits for it
// (unless it asks whether a voice exists before then).
class SpeechdVoice : public System::Voice {
public:
    SpeechdVoice()
    {
        thread_.setObjectName(QStringLiteral("voice"));
        home_.moveToThread(&thread_);
        known_ = found_.get_future().share();
    }
    ~SpeechdVoice() override
    {
        if (!thread_.isRunning())
            return;
        QMetaObject::invokeMethod(&home_, [this] { delete speech_; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }

    void ready() override
    {
        if (thread_.isRunning())
            return;
        thread_.start();
        QMetaObject::invokeMethod(&home_, [this] { connectVoice(); }, Qt::QueuedConnection);
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
            &home_,
            [this, kana] {
                if (!speech_)
                    return;
                speech_->stop();
                speech_->say(kana);
            },
            Qt::QueuedConnection);
    }

    void stop() override
    {
        if (thread_.isRunning())
            QMetaObject::invokeMethod(&home_, [this] { if (speech_) speech_->stop(); }, Qt::QueuedConnection);
    }

private:
    // On the voice's thread.
    void connectVoice()
    {
        auto *speech = new QTextToSpeech(QStringLiteral("speechd"));
        const QLocale japanese(QLocale::Japanese, QLocale::Japan);
        bool found = false;
        if (speech->state() != QTextToSpeech::Error) {
            for (const QLocale &l : speech->availableLocales())
                if (l.language() == QLocale::Japanese) {
                    speech->setLocale(l);
                    found = !speech->availableVoices().isEmpty();
                    break;
                }
        }
        if (found) {
            speech_ = speech;
            // The synthesiser opens its sound output with its first words,
            // most of a second on a busy machine: a pause, said at once,
            // makes the pupil's first tap as quick as the others.
            speech_->say(QStringLiteral("、"));
        } else {
            delete speech;
        }
        found_.set_value(found);
    }

    QThread thread_;
    QObject home_; // lives on the voice's thread
    QTextToSpeech *speech_ = nullptr; // made, used and deleted there
    std::promise<bool> found_;
    std::shared_future<bool> known_;
};

} // namespace

std::unique_ptr<System::Voice> System::voice()
{
    return std::make_unique<SpeechdVoice>();
}
