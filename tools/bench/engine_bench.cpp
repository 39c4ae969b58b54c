// The cost of a keystroke in the engine: a press and a release on an exercise page, the
// hand drawn on the screen image, with a window system that does nothing.
#include "course/layout.h"
#include "display/bitmaps.h"
#include "flow/screen.h"
#include "flow/typing.h"
#include "tutor.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

struct QuietHost : Speaker, Clock, Dialogs, MainView, TypingField {
    void Beep() override {}
    bool PlaySound(const QByteArray&, bool) override { return true; }
    void SetTimer(int, int) override {}
    void KillTimer(int) override {}
    void Sleep(int) override {}
    int64_t NowMs() const override { return 0; }
    void ShowMessage(const Message&) override {}
    void ShowNotice(Notice) override {}
    SaveAnswer AskToSave(const std::string&) override { return SaveAnswer::Cancel; }
    std::string ChooseFileToOpen() override { return {}; }
    std::string ChooseFileToSave() override { return {}; }
    void InvalidateClient() override {}
    void FlushScreen() override {}
    void ShowCaption(const std::string&) override {}
    Rect WindowRect() const override { return {}; }
    void PlaceWindow(const Rect&) override {}
    void ShowHand(bool) override {}
    void UseTextFont(const QFont&) override {}
    void MoveTypingArea(const Rect&) override {}
    void TypeIntoTypingArea(unsigned char) override {}
    void ShowTypingCaret(bool) override {}
    void TakeBackTyping() override {}
};

void Keystroke(benchmark::State& state)
{
    QuietHost host;
    const Resources resources = Resources::BuiltIn();
    Tutor tutor({host, host, host, host, host}, resources);
    tutor.course.nLesson = 5;
    tutor.course.nPage = 2;
    UseFontSize(tutor);
    tutor.ResizeClient(700, 460);
    CreateBitMaps(tutor);
    UpdateMainWindow(tutor);
    for (auto _ : state) {
        // The next character of the line, so that the caret moves on; a new line at its end.
        const std::string& line = tutor.course.szLine;
        const auto p = static_cast<std::size_t>(tutor.course.nCharPos);
        OnCharacter(tutor, p < line.size() ? static_cast<unsigned char>(line[p]) : 13);
        OnKeyRelease(tutor);
        if (tutor.course.nPage != 2) {   // the exercise is done: start it again
            tutor.course.nLesson = 5;
            tutor.course.nPage = 2;
            tutor.course.nExLine = 0;
            tutor.course.nCharPos = 0;
            UpdateMainWindow(tutor);
        }
        benchmark::DoNotOptimize(tutor.screenImage.constBits());
    }
}
BENCHMARK(Keystroke);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
