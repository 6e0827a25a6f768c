#include "platform/system.h"

#include <windows.h>

#include <sapi.h>
#include <sphelper.h>

#include <string>

namespace {

// The system's own voices through SAPI, on the GUI thread: Qt has COM
// ready there, and SAPI speaks asynchronously on a thread of its own. A
// Japanese voice is one whose token says Language=411.
class SapiVoice : public System::Voice {
public:
    ~SapiVoice() override
    {
        if (voice_) {
            voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
            voice_->Release();
        }
    }

    void ready() override { open(); }

    bool japanese() override
    {
        open();
        return voice_ != nullptr;
    }

    void speak(const QString &kana) override
    {
        open();
        if (!voice_)
            return;
        const std::wstring text = kana.toStdWString();
        voice_->Speak(text.c_str(), SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
    }

    void stop() override
    {
        if (voice_)
            voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
    }

private:
    void open()
    {
        if (tried_)
            return;
        tried_ = true;
        // Qt has usually initialised COM on this thread already.
        const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        (void)com;
        IEnumSpObjectTokens *tokens = nullptr;
        ISpObjectToken *japanese = nullptr;
        if (SUCCEEDED(SpEnumTokens(SPCAT_VOICES, L"Language=411", nullptr, &tokens)) && tokens) {
            if (tokens->Next(1, &japanese, nullptr) != S_OK)
                japanese = nullptr;
            tokens->Release();
        }
        if (!japanese)
            return;
        ISpVoice *voice = nullptr;
        if (SUCCEEDED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice, reinterpret_cast<void **>(&voice))) &&
            voice) {
            if (SUCCEEDED(voice->SetVoice(japanese)))
                voice_ = voice;
            else
                voice->Release();
        }
        japanese->Release();
    }

    bool tried_ = false;
    ISpVoice *voice_ = nullptr; // only with a Japanese voice set
};

} // namespace

std::unique_ptr<System::Voice> System::voice()
{
    return std::make_unique<SapiVoice>();
}
