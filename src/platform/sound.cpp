#include "platform/sound.h"

#include <algorithm>

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <dlfcn.h>

namespace {

constexpr int kRate = 22050;

// SDL's audio calls, taken from the library when the device is opened: linking it would
// load thirty more libraries before the window can appear.
struct SdlAudio {
    bool Load()
    {
        void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return false;
        bool all = true;
        const auto take = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(library, name));
            all = all && function != nullptr;
        };
        take(SetMainReady, "SDL_SetMainReady");
        take(SetHint, "SDL_SetHint");
        take(InitSubSystem, "SDL_InitSubSystem");
        take(QuitSubSystem, "SDL_QuitSubSystem");
        take(OpenAudioDevice, "SDL_OpenAudioDevice");
        take(CloseAudioDevice, "SDL_CloseAudioDevice");
        take(PauseAudioDevice, "SDL_PauseAudioDevice");
        take(QueueAudio, "SDL_QueueAudio");
        take(ClearQueuedAudio, "SDL_ClearQueuedAudio");
        take(GetQueuedAudioSize, "SDL_GetQueuedAudioSize");
        take(Delay, "SDL_Delay");
        take(RWFromConstMem, "SDL_RWFromConstMem");
        take(LoadWAV_RW, "SDL_LoadWAV_RW");
        take(FreeWAV, "SDL_FreeWAV");
        take(BuildAudioCVT, "SDL_BuildAudioCVT");
        take(ConvertAudio, "SDL_ConvertAudio");
        return all;
    }

    decltype(&SDL_SetMainReady) SetMainReady = nullptr;
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice = nullptr;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice = nullptr;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice = nullptr;
    decltype(&SDL_QueueAudio) QueueAudio = nullptr;
    decltype(&SDL_ClearQueuedAudio) ClearQueuedAudio = nullptr;
    decltype(&SDL_GetQueuedAudioSize) GetQueuedAudioSize = nullptr;
    decltype(&SDL_Delay) Delay = nullptr;
    decltype(&SDL_RWFromConstMem) RWFromConstMem = nullptr;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW = nullptr;
    decltype(&SDL_FreeWAV) FreeWAV = nullptr;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT = nullptr;
    decltype(&SDL_ConvertAudio) ConvertAudio = nullptr;
};

SdlAudio sdl;

SDL_AudioDeviceID OpenDevice(SDL_AudioSpec& obtained)
{
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = 512;
    return sdl.OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
}

}  // namespace

SoundOutput::~SoundOutput()
{
    if (opener_.joinable())
        opener_.join();
    if (device_ != 0) {
        sdl.CloseAudioDevice(device_);
        sdl.QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void SoundOutput::OpenInBackground()
{
    if (!opener_.joinable() && !opened_)
        opener_ = std::thread([this] { Open(); });
}

void SoundOutput::Open()
{
    if (opener_.joinable() && opener_.get_id() != std::this_thread::get_id())
        opener_.join();
    if (opened_)
        return;
    opened_ = true;
    if (!sdl.Load())
        return;
    sdl.SetMainReady();
    sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_AudioSpec obtained{};
    if (sdl.InitSubSystem(SDL_INIT_AUDIO) == 0)
        device_ = OpenDevice(obtained);
    if (device_ == 0) {
        sdl.QuitSubSystem(SDL_INIT_AUDIO);
        sdl.SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        if (sdl.InitSubSystem(SDL_INIT_AUDIO) == 0)
            device_ = OpenDevice(obtained);
    }
    if (device_ == 0)
        return;
    bytesPerSecond_ = obtained.freq * obtained.channels * SDL_AUDIO_BITSIZE(obtained.format) / 8;
    bufferBytes_ = obtained.size;
    sdl.PauseAudioDevice(device_, 0);
}

const std::vector<uint8_t>* SoundOutput::Converted(const QByteArray& wave)
{
    if (const auto it = converted_.find(wave.constData()); it != converted_.end())
        return &it->second;
    SDL_AudioSpec recorded{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = sdl.RWFromConstMem(wave.constData(), static_cast<int>(wave.size()));
    if (!source || !sdl.LoadWAV_RW(source, 1, &recorded, &samples, &length))
        return nullptr;
    SDL_AudioCVT cvt{};
    const int built = sdl.BuildAudioCVT(&cvt, recorded.format, recorded.channels, recorded.freq, AUDIO_S16SYS, 1, kRate);
    std::vector<uint8_t> data(static_cast<std::size_t>(length) * static_cast<std::size_t>(std::max(cvt.len_mult, 1)));
    std::copy(samples, samples + length, data.begin());
    sdl.FreeWAV(samples);
    if (built < 0)
        return nullptr;
    if (built > 0) {
        cvt.buf = data.data();
        cvt.len = static_cast<int>(length);
        if (sdl.ConvertAudio(&cvt) != 0)
            return nullptr;
        data.resize(static_cast<std::size_t>(cvt.len_cvt));
    } else {
        data.resize(length);
    }
    return &(converted_[wave.constData()] = std::move(data));
}

bool SoundOutput::Play(const QByteArray& wave, bool wait)
{
    Open();
    if (device_ == 0)
        return false;
    const std::vector<uint8_t>* data = Converted(wave);
    if (!data)
        return false;
    sdl.ClearQueuedAudio(device_);
    sdl.QueueAudio(device_, data->data(), static_cast<Uint32>(data->size()));
    if (wait) {
        while (sdl.GetQueuedAudioSize(device_) > 0)
            sdl.Delay(2);
        sdl.Delay(static_cast<Uint32>(1000 * bufferBytes_ / std::max(bytesPerSecond_, 1)));
    }
    return true;
}
