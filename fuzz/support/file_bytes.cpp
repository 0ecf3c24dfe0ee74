#include "file_bytes.h"

#include <cstdio>
#include <memory>

#include <sys/stat.h>

namespace zt::fuzz {

std::optional<std::string> file_bytes(const std::string& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    struct stat status {};
    if (!file || ::fstat(::fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    // Unbuffered: the reads below fill the string directly.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get()) != 0) {
        return std::nullopt;
    }
    bytes.resize(got);
    char more[512];
    for (std::size_t extra; (extra = std::fread(more, 1, sizeof more, file.get())) > 0;) {
        bytes.append(more, extra);
    }
    return bytes;
}

} // namespace zt::fuzz
