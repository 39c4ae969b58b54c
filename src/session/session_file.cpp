#include "session/session_file.h"

#include "course/navigation.h"
#include "tutor.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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
    tutor.speaker.Beep();
    tutor.dialogs.ShowMessage({format, title, BoxIcon::Exclamation, owned, tutor.shell.szTitleName});
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

// The file a path names, through any links: saving updates it and keeps the links.
std::string FollowLinks(const std::string& path)
{
    std::filesystem::path file = path;
    std::error_code error;
    for (int depth = 0; depth < 40 && std::filesystem::is_symlink(file, error); ++depth) {
        const std::filesystem::path link = std::filesystem::read_symlink(file, error);
        file = link.is_absolute() ? link : file.parent_path() / link;
    }
    return file.string();
}

// Writes the record over the start of an open file, cuts what followed it, and waits until
// it is on the disk.
bool Fill(int fd, const std::array<unsigned char, kSessionRecordSize>& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && fsync(fd) == 0;
}

// Replaces the file's bytes as a whole: they go to a new file of the old one's mode that is
// renamed over it, so a failed write keeps the old bytes. A file that is not there yet, or
// whose folder takes no new file, is written in place.
bool ReplaceFile(const std::string& path, const std::array<unsigned char, kSessionRecordSize>& bytes)
{
    const std::string target = FollowLinks(path);
    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    // A file the user may not write is refused, as opening it for writing would be: the
    // rename of a new file over it would get round its mode.
    if (exists && (!S_ISREG(old.st_mode) || faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return false;
    std::string temporary = target + ".tastora-XXXXXX";
    const int fd = exists ? mkstemp(temporary.data()) : -1;
    if (fd < 0) {
        const int direct = open(target.c_str(), O_WRONLY | O_CLOEXEC | (exists ? 0 : O_CREAT | O_EXCL), 0666);
        if (direct < 0)
            return false;
        bool ok = Fill(direct, bytes);
        ok = close(direct) == 0 && ok;
        if (!ok && !exists)
            unlink(target.c_str());
        return ok;
    }
    bool ok = fchmod(fd, old.st_mode & 07777) == 0 && Fill(fd, bytes);
    ok = close(fd) == 0 && ok && std::rename(temporary.c_str(), target.c_str()) == 0;
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

SessionRecord SessionRecordOf(const Tutor& tutor, const Rect& window)
{
    const CourseState& course = tutor.course;
    return {static_cast<int16_t>(course.bLeftHand ? 0 : 1),
            course.nLesson,
            static_cast<int16_t>(course.nFontSize),
            FontSizeRowOf(course.nFontSize).height,
            static_cast<int16_t>(course.nSoundStudio),
            static_cast<int16_t>(course.nErrorTone),
            window};
}

bool IsUsableSession(const SessionRecord& record)
{
    const auto in = [](int value, int low, int high) { return value >= low && value <= high; };
    return in(record.lesson, 0, kLastLesson) && IsFontSize(record.fontSize) &&
           (record.soundStudio == kSoundOff || in(record.soundStudio, kSoundSpeakKeys, kSoundDictation)) &&
           IsErrorTone(record.errorTone);
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
    course.bLeftHand = record.hand == 0;
    course.nLesson = record.lesson;
    course.practicing = Practice::None;
    course.nFontSize = record.fontSize;
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
    tutor.session.savedRecord = SessionRecordOf(tutor, window);   // as it will be written back
    return true;
}

bool WriteSessionFile(Tutor& tutor, const std::string& path, const Rect& window)
{
    const SessionRecord record = SessionRecordOf(tutor, window);
    if (!ReplaceFile(path, EncodeSession(record))) {
        ReportFailure(tutor, "Unable to open, or write to, the file '%s'.", "WRITE FILE ERROR", true);
        return false;
    }
    tutor.course.nWorkedLesson = tutor.course.nLesson;
    tutor.session.nSavedLesson = tutor.course.nWorkedLesson;
    tutor.session.savedRecord = record;
    return true;
}
