// The cost of a keystroke in the engine: a press and a release on an exercise page, the
// hand drawn on the screen image, with a window system that does nothing.
#include "flow/typing.h"
#include "flow/screen.h"
#include "display/bitmaps.h"
#include "platform/fonts.h"
#include "tutor.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

struct QuietHost : Host {
    void Beep() override {}
    bool PlaySound(const QByteArray&, bool) override { return true; }
    void ShowMessage(const std::string&, const std::string&, BoxIcon, bool, const std::string&) override {}
    void SetTimer(int, int) override {}
    void KillTimer(int) override {}
    void InvalidateClient() override {}
    void MoveTypingArea(const Rect&) override {}
    void FlushScreen() override {}
    void Sleep(int) override {}
    void ShowNotice(Notice) override {}
    void TypeIntoTypingArea(unsigned char) override {}
    void ShowTypingCaret(bool) override {}
    void TakeBackTyping() override {}
    SaveAnswer AskToSave(const std::string&) override { return SaveAnswer::Cancel; }
    std::string ChooseFileToOpen() override { return {}; }
    std::string ChooseFileToSave() override { return {}; }
    void ShowCaption(const std::string&) override {}
    Rect WindowRect() const override { return {}; }
    void PlaceWindow(const Rect&) override {}
    void ShowHand(bool) override {}
    void ApplyFontSize() override {}
};

void Keystroke(benchmark::State& state)
{
    QuietHost host;
    const Resources resources = Resources::BuiltIn();
    Tutor tutor(host, resources);
    tutor.course.nLesson = 5;
    tutor.course.nPage = 2;
    tutor.screen.SetFont(TextFontForHeight(20));
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
