#include "XmlFile.h"

#include "XmlNesting.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Pelm {

namespace {

// TinyXML may step up to three characters past the end of its text; these
// keep it on null characters of our own.
constexpr std::size_t nullPadding = 3;

// CR LF and a lone CR become LF, as LoadFile does before parsing.
void normaliseLineEnds(std::string& text)
{
    if (text.find('\r') == std::string::npos)
        return;
    std::string::size_type out = 0;
    for (std::string::size_type in = 0; in < text.size(); ++in) {
        if (text[in] != '\r') {
            text[out++] = text[in];
            continue;
        }
        text[out++] = '\n';
        if (in + 1 < text.size() && text[in + 1] == '\n')
            ++in;
    }
    text.resize(out);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd_) : fd(fd_) {}
    ~FileDescriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd; }

private:
    int fd;
};

bool readRegularFile(const char* path, std::string& bytes)
{
    if (!path)
        return false;
    const FileDescriptor file(::open(path, O_RDONLY | O_CLOEXEC));
    struct stat status;
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size < 0 || static_cast<unsigned long long>(status.st_size) > maxXmlFileBytes)
        return false;
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t n = ::read(file.get(), &bytes[filled], bytes.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
    return true;
}

} // namespace

bool parseXmlText(std::string text, TiXmlDocument& xml)
{
    const std::string::size_type firstNull = text.find('\0');
    if (firstNull != std::string::npos)
        text.resize(firstNull);
    normaliseLineEnds(text);
    text.append(nullPadding, '\0');
    const XmlNesting::Extent extent =
        XmlNesting::measure(text.c_str(), {maxXmlNesting, maxXmlNodes});
    if (extent.depth > maxXmlNesting || extent.nodes > maxXmlNodes)
        return false;
    xml.SetTabSize(0); // no row and column tracking: it costs a sixth of the parse
    xml.Parse(text.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
    return !xml.Error();
}

bool loadXmlFile(const char* path, TiXmlDocument& xml)
{
    std::string bytes;
    return readRegularFile(path, bytes) && parseXmlText(std::move(bytes), xml);
}

} // namespace Pelm
