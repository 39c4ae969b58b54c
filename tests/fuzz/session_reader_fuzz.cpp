// Feeds any bytes to the session reader as the contents of a session file. The file lives
// in memory (a memfd, opened by its /proc path as any file is), so that millions of runs
// cost no disk; a fault of the reader's checks aborts and leaves the input to reproduce it.
#include "session/session_read_check.h"
#include "tutor.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace {

struct Reader {
    Reader()
    {
        if (fd < 0) {
            std::perror("memfd_create");
            std::abort();
        }
    }
    FakeHost host;
    Resources resources;
    Tutor tutor{host.AsServices(), resources};
    int fd = memfd_create("session", MFD_CLOEXEC);
    std::string path = "/proc/self/fd/" + std::to_string(fd);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Reader reader;
    if (ftruncate(reader.fd, 0) != 0 || (size > 0 && pwrite(reader.fd, data, size, 0) != static_cast<ssize_t>(size)))
        std::abort();
    const std::string faults = ReadSessionAndCheck(reader.tutor, reader.host, reader.path);
    if (!faults.empty()) {
        std::fprintf(stderr, "session reader: %s\n", faults.c_str());
        std::abort();
    }
    return 0;
}
