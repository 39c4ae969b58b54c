#include "sound/speech.h"

#include "display/key_table.h"
#include "display/keymap.h"
#include "tutor.h"

namespace {

// The string id of the name of c's key: comma, dash and full stop first, then the digits,
// the letters, ä ö ü, ß, Enter and space in key order; "?" has a name of its own though it
// shares the key of ß.
int KeyNameId(unsigned char c)
{
    constexpr int kQuestionMark = kKeyNames + 3;
    const int key = KeyIndexOf(c);
    if (key <= keys::kFullStop)
        return kKeyNames + key;
    if (c == '?')
        return kQuestionMark;
    return kKeyNames + key + 1;
}

}  // namespace

int SpeakKey(Tutor& tutor, unsigned char c)
{
    const std::string& name = tutor.resources.strings.Get(KeyNameId(c));
    if (name.empty())
        return kNoName;
    const QByteArray wave = tutor.resources.Recording(name);
    if (wave.isEmpty()) {
        tutor.speaker.Beep();
        return kNoRecording;
    }
    tutor.view.FlushScreen();
    return tutor.speaker.PlaySound(wave, true) ? kSpoken : kNotPlayed;
}

void PlayErrorTone(Tutor& tutor, int id)
{
    const std::string& name = tutor.resources.strings.Get(id);
    if (!name.empty())
        PlayRecording(tutor, name);
}

void PlayRecording(Tutor& tutor, std::string_view name)
{
    const QByteArray wave = tutor.resources.Recording(name);
    if (!wave.isEmpty())
        tutor.speaker.PlaySound(wave, false);
}
