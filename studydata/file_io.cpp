#include "file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::vector<uint8_t>> read_file_prefix(const std::string& path, size_t max_bytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::vector<uint8_t> data;
    // Room for the whole file at once: a large file (the handwriting model) grown chunk by chunk
    // would briefly need its old and its doubled buffer together. The size is only a hint; the
    // loop below still stops at the real end.
    struct stat info;
    if (::fstat(::fileno(f), &info) == 0 && info.st_size > 0)
        data.reserve(std::min(max_bytes, static_cast<size_t>(info.st_size)));
    uint8_t chunk[8192];
    while (data.size() < max_bytes) {
        const size_t want = std::min(sizeof chunk, max_bytes - data.size());
        const size_t got = std::fread(chunk, 1, want, f);
        data.insert(data.end(), chunk, chunk + got);
        if (got < want) break;
    }
    std::fclose(f);
    return data;
}

namespace {

FileSync sync_file = ::fsync;

bool write_all(int fd, std::span<const uint8_t> data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool write_file_atomically(const std::string& path, std::span<const uint8_t> data) {
    const std::string temp = path + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = write_all(fd, data) && sync_file(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temp.c_str());
    return ok;
}

void file_io_set_sync(FileSync sync) {
    sync_file = sync ? sync : ::fsync;
}
