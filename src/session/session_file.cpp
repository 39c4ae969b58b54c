#include "session/session_file.h"

#include "course/navigation.h"
#include "tutor.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void Put16(unsigned char* at, int16_t value)
{
    const auto bits = static_cast<uint16_t>(value);
    at[0] = static_cast<unsigned char>(bits & 0xFF);
    at[1] = static_cast<unsigned char>(bits >> 8);
}

void Put32(unsigned char* at, int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<unsigned char>((bits >> (8 * i)) & 0xFF);
}

int16_t Get16(const unsigned char* at)
{
    return static_cast<int16_t>(static_cast<uint16_t>(at[0] | (at[1] << 8)));
}

int32_t Get32(const unsigned char* at)
{
    uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | at[i];
    return static_cast<int32_t>(bits);
}

void ReportFailure(Tutor& tutor, const char* format, const char* title, bool owned)
{
    tutor.host.Beep();
    char text[400];
    std::snprintf(text, sizeof text, format, tutor.shell.szTitleName.c_str());
    tutor.host.ShowMessage(text, title, BoxIcon::Exclamation, owned);
}

// Reads the record from the start of a regular file. Anything else (a FIFO, a device, a
// folder) is refused at once: opening a FIFO would wait for a writer that never comes.
bool ReadRecord(const std::string& path, std::array<unsigned char, kSessionRecordSize>& bytes)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    std::size_t got = 0;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        while (got < bytes.size()) {
            const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
    }
    close(fd);
    return got == bytes.size();
}

// Writes the bytes to a new file beside `path` and renames it over `path`.
bool ReplaceFile(const std::string& path, const std::array<unsigned char, kSessionRecordSize>& bytes)
{
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return false;
    const mode_t mask = umask(0);
    umask(mask);
    bool ok = fchmod(fd, 0666 & ~mask) == 0;
    FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        unlink(temporary.c_str());
        return false;
    }
    ok = ok && std::fwrite(bytes.data(), bytes.size(), 1, file) == 1 && std::fflush(file) == 0 && fsync(fd) == 0;
    ok = (std::fclose(file) == 0) && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        unlink(temporary.c_str());
    return ok;
}

}  // namespace

std::array<unsigned char, kSessionRecordSize> EncodeSession(const SessionRecord& record)
{
    std::array<unsigned char, kSessionRecordSize> bytes{};
    Put16(&bytes[0], record.hand);
    Put16(&bytes[2], record.lesson);
    Put16(&bytes[4], record.fontSize);
    Put16(&bytes[6], record.rowHeight);
    Put16(&bytes[8], record.soundStudio);
    Put16(&bytes[10], record.errorTone);
    Put32(&bytes[12], record.window.left);
    Put32(&bytes[16], record.window.top);
    Put32(&bytes[20], record.window.right);
    Put32(&bytes[24], record.window.bottom);
    return bytes;
}

SessionRecord DecodeSession(const std::array<unsigned char, kSessionRecordSize>& bytes)
{
    return {Get16(&bytes[0]), Get16(&bytes[2]), Get16(&bytes[4]), Get16(&bytes[6]), Get16(&bytes[8]),
            Get16(&bytes[10]),
            {Get32(&bytes[12]), Get32(&bytes[16]), Get32(&bytes[20]), Get32(&bytes[24])}};
}

bool IsUsableSession(const SessionRecord& record)
{
    const auto in = [](int value, int low, int high) { return value >= low && value <= high; };
    return in(record.lesson, 0, kLastLesson) && in(record.fontSize, kFontStandard, kFontLargest) &&
           (record.soundStudio == 0 || in(record.soundStudio, kSoundSpeakKeys, kSoundDictation)) &&
           (record.errorTone == 0 || in(record.errorTone, 1000, 1006));
}

int16_t RowHeightFor(int fontSize)
{
    return fontSize == kFontLargest ? 30 : fontSize == kFontMedium ? 25 : 20;
}

bool ReadSessionFile(Tutor& tutor, const std::string& path, Rect& window, bool owned)
{
    std::array<unsigned char, kSessionRecordSize> bytes{};
    const bool read = ReadRecord(path, bytes);
    const SessionRecord record = DecodeSession(bytes);
    if (!read || !IsUsableSession(record)) {
        ReportFailure(tutor, "Unable to open, or read, the file '%s'.", "READ FILE ERROR", owned);
        return false;
    }
    CourseState& course = tutor.course;
    course.bLeftHand = record.hand == 0 ? 1 : 0;
    course.nLesson = record.lesson;
    course.nFontSize = record.fontSize;
    tutor.layout.cyLine = RowHeightFor(record.fontSize);
    course.nSoundStudio = record.soundStudio;
    course.nErrorTone = record.errorTone;
    window = record.window;
    course.nCharPos = 0;
    course.nExLine = 0;
    SetLessonStartPage(tutor);
    course.nWorkedLesson = course.nLesson;
    tutor.session.nSavedLesson = course.nLesson;
    course.nCorrect = 0;
    course.nKeystrokes = 0;
    return true;
}

bool WriteSessionFile(Tutor& tutor, const std::string& path, const Rect& window)
{
    const CourseState& course = tutor.course;
    const SessionRecord record{static_cast<int16_t>(course.bLeftHand ? 0 : 1),
                               course.nLesson,
                               static_cast<int16_t>(course.nFontSize),
                               tutor.layout.cyLine,
                               static_cast<int16_t>(course.nSoundStudio),
                               static_cast<int16_t>(course.nErrorTone),
                               window};
    if (!ReplaceFile(path, EncodeSession(record))) {
        ReportFailure(tutor, "Unable to open, or write to, the file '%s'.", "WRITE FILE ERROR", true);
        return false;
    }
    tutor.course.nWorkedLesson = course.nLesson;
    tutor.session.nSavedLesson = tutor.course.nWorkedLesson;
    return true;
}
