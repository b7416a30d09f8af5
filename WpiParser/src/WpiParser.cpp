#include "WpiParser.h"

#include "Logger.h"
#include "RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace Pelm {

const std::size_t WpiParser::maxFileSize = 64u * 1024u * 1024u;

namespace {

const std::streamsize readChunkSize = 1 << 20;
// A file from this size on gets its points in large blocks; smaller ones on
// the heap, which wastes less on them.
constexpr std::size_t kPointBlocksFrom = 1u << 20;
constexpr std::size_t kPointBlockSize = 8u << 20;

void logSevere(const char* method, const char* message)
{
    Logger::WriteLog("WpiParser", method, message, Logger::SEVERE);
}

bool withinSizeLimit(std::size_t size, const char* method = "loadBytes")
{
    if (size <= WpiParser::maxFileSize)
        return true;
    const std::string message =
        "file refused: larger than " + std::to_string(WpiParser::maxFileSize) + " bytes";
    logSevere(method, message.c_str());
    return false;
}

// Bytes between the read position and the end, when the stream can seek.
// Moves past a packet's length code and body, as the code gives its length;
// a code of 0 ends the packet at the code. False for a code whose length
// cannot hold the tag and the code themselves.
bool skipPacket(PacketStream& stream)
{
    unsigned char code = 0;
    if (!stream.get(code) || code == 0)
        return true;
    const unsigned long length = BasePacket::calculateLength(code);
    if (length < 2)
        return false;
    stream.skip(length - 2);
    return true;
}

// The points a stroke that begins here may take: this one and the
// coordinates up to the next status packet, which may begin another. The
// stream is a copy; the read goes on where it was.
std::size_t strokeRoomAhead(PacketStream ahead)
{
    std::size_t coordinates = 1;
    unsigned char tag = 0;
    while (ahead.getSkippingBlanks(tag) && tag != StatusTag) {
        if (tag == CoordinateTag)
            ++coordinates;
        if (!skipPacket(ahead))
            break;
    }
    return coordinates;
}

bool remainingSize(std::istream& in, std::size_t& size)
{
    const std::istream::pos_type start = in.tellg();
    if (start == std::istream::pos_type(-1))
        return false;
    in.seekg(0, std::ios::end);
    const std::istream::pos_type end = in.tellg();
    in.clear();
    in.seekg(start);
    if (end == std::istream::pos_type(-1) || end < start)
        return false;
    size = static_cast<std::size_t>(end - start);
    return true;
}

} // namespace

WpiParser::WpiParser(const char* path_)
    : path(path_ ? path_ : ""), document(new WpiDocument), lastLayer(nullptr), lastStroke(nullptr),
      aborted(false)
{
}

WpiParser::~WpiParser() = default;

bool WpiParser::readDocFromFile()
{
    std::unique_ptr<unsigned char[]> bytes;
    std::size_t size = 0;
    return loadFile(bytes, size) && readDocFromBuffer(bytes.get(), size);
}

bool WpiParser::readDocFromStream(std::istream& in)
{
    std::vector<unsigned char> bytes;
    return loadBytes(in, bytes) && readDocFromBuffer(bytes.data(), bytes.size());
}

bool WpiParser::readDocFromBuffer(const unsigned char* data, std::size_t size)
{
    if (!withinSizeLimit(size))
        return false;
    if (size >= kPointBlocksFrom)
        pointBlocks = std::make_shared<PointBlocks>(kPointBlockSize);
    PacketStream stream(data, size);
    parse(stream);
    const WpiDocument* doc = document.GetData();
    return doc && doc->loaded.Get();
}

void WpiParser::abort() { aborted.store(true, std::memory_order_relaxed); }

SmartPointer<WpiDocument>& WpiParser::getDocument() { return document; }

// Nothing but a regular file is opened (a FIFO would wait for a writer); it
// is read straight into one buffer of its size, in chunks, so that a stop
// request is seen while a slow volume delivers. A file that shrank meanwhile
// gives the bytes it still had.
bool WpiParser::loadFile(std::unique_ptr<unsigned char[]>& bytes, std::size_t& size) const
{
    const RegularFile file(path.c_str());
    if (!file.isOpen() || !withinSizeLimit(file.size(), "loadFile"))
        return false;
    const std::size_t expected = static_cast<std::size_t>(file.size());
    bytes.reset(new unsigned char[expected]);
    size = 0;
    while (size < expected) {
        if (stopRequested())
            return false;
        const std::size_t chunk = std::min<std::size_t>(readChunkSize, expected - size);
        const ssize_t n = ::read(file.descriptor(), bytes.get() + size, chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            logSevere("loadFile", "read error before the end of the file");
            return false;
        }
        if (n == 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads in chunks, so that a stop request is seen while a slow stream delivers.
bool WpiParser::loadBytes(std::istream& in, std::vector<unsigned char>& bytes) const
{
    std::size_t expected = 0;
    if (remainingSize(in, expected)) {
        if (!withinSizeLimit(expected))
            return false;
        bytes.reserve(expected);
    }
    while (in) {
        if (stopRequested() || !withinSizeLimit(bytes.size()))
            return false;
        const std::size_t held = bytes.size();
        bytes.resize(held + readChunkSize);
        in.read(reinterpret_cast<char*>(bytes.data() + held), readChunkSize);
        bytes.resize(held + static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        logSevere("loadBytes", "read error before the end of the file");
        return false;
    }
    return withinSizeLimit(bytes.size());
}

bool WpiParser::parse(PacketStream& stream)
{
    WpiDocument* doc = document.GetData();
    if (!doc || stopRequested())
        return false;
    if (!doc->fileDescriptor.readFromStream(stream)) {
        logSevere("parse", "invalid file descriptor");
        return false;
    }
    findLastStroke();
    PenState state;
    for (;;) {
        if (stopRequested())
            return false;
        unsigned char tag = 0;
        if (!stream.getSkippingBlanks(tag))
            break;
        if (!readPacket(tag, stream, state)) {
            if (stream.atEnd())
                logSevere("parse", "packet cut short by the end of the file");
            return false;
        }
    }
    doc->loaded.Set(true);
    return true;
}

bool WpiParser::readPacket(unsigned char tag, PacketStream& stream, PenState& state)
{
    WpiDocument& doc = *document.GetData();
    switch (tag) {
    case CoordinateTag: {
        CoordinatePoint coordinate;
        return coordinate.readFromStream(stream) && addPoint(coordinate, stream, state);
    }
    case PhysicalParamsTag:
        return doc.physicalParams.readFromStream(stream);
    case FileDateTimeTag:
        return doc.fileDateTime.readFromStream(stream);
    case FileDescriptorTag:
        logSevere("parse", "multipe file descriptors found");
        return false;
    case TiltTag:
        if (!tilt.readFromStream(stream))
            return false;
        if (Point* point = onlyPointOfLastStroke()) {
            point->tiltX.Set(tilt.tiltX.Get());
            point->tiltY.Set(tilt.tiltY.Get());
        }
        return true;
    case PressureTag:
        if (!pressure.readFromStream(stream))
            return false;
        if (Point* point = onlyPointOfLastStroke())
            point->pressure.Set(static_cast<unsigned int>(pressure.pressure.Get()));
        return true;
    case TimestampTag:
        if (!timestamp.readFromStream(stream))
            return false;
        if (lastStroke && !lastStroke->empty())
            lastStroke->getTail().timestamp.Set(timestamp.timestamp.Get());
        return true;
    case StatusTag: {
        Status status;
        if (!status.readFromStream(stream))
            return false;
        applyStatus(status.flags.Get(), state);
        return true;
    }
    default:
        return skipUnknownPacket(stream);
    }
}

// A length code of 0 ends the packet at the code; a packet running past the
// end of the file ends the read like trailing bytes do.
bool WpiParser::skipUnknownPacket(PacketStream& stream)
{
    if (skipPacket(stream))
        return true;
    logSevere("parse", "unknown packet shorter than its tag and length code");
    return false;
}

// A new stroke is given room for all its points at once, and is moved into
// its layer with that room.
bool WpiParser::addPoint(const CoordinatePoint& coordinate, const PacketStream& stream,
                         PenState& state)
{
    if (coordinate.y.Get() < 0.0)
        return true;
    const Point point(coordinate.x.Get(), coordinate.y.Get(), 0.0,
                      static_cast<unsigned int>(pressure.pressure.Get()), tilt.tiltX.Get(),
                      tilt.tiltY.Get(), timestamp.timestamp.Get());
    WpiDocument& doc = *document.GetData();
    if (state.newLayer || !lastLayer) {
        if (doc.getSize() == maxDocumentLayers) {
            const std::string message = "file refused: more than " +
                                        std::to_string(maxDocumentLayers) + " layers";
            logSevere("parse", message.c_str());
            return false;
        }
        Stroke stroke;
        stroke.reserveIn(pointBlocks, strokeRoomAhead(stream));
        stroke.addElement(point);
        Layer layer;
        layer.addElement(std::move(stroke));
        doc.addElement(std::move(layer));
        findLastStroke();
        state.newLayer = false;
        state.newStroke = false;
        return true;
    }
    if (state.newStroke || !lastStroke) {
        state.newStroke = false;
        Stroke stroke;
        stroke.reserveIn(pointBlocks, strokeRoomAhead(stream));
        stroke.addElement(point);
        lastLayer->addElement(std::move(stroke));
        findLastStroke();
        doc.updateBindingRectangle(*lastLayer);
        return true;
    }
    lastStroke->addElement(point);
    lastLayer->updateBindingRectangle(*lastStroke);
    doc.updateBindingRectangle(*lastLayer);
    return true;
}

void WpiParser::applyStatus(unsigned char flags, PenState& state)
{
    if (flags & 0x80) {
        state.newLayer = true;
        state.newStroke = true;
        resetPenValues();
    } else if (flags & 0x01) {
        if (!state.penDown) {
            state.newStroke = true;
            resetPenValues();
        }
        state.penDown = true;
    } else {
        state.penDown = false;
    }
}

void WpiParser::resetPenValues()
{
    pressure.reset();
    tilt.reset();
}

void WpiParser::findLastStroke()
{
    WpiDocument& doc = *document.GetData();
    lastLayer = doc.empty() ? nullptr : &doc.getTail();
    lastStroke = lastLayer && !lastLayer->empty() ? &lastLayer->getTail() : nullptr;
}

Point* WpiParser::onlyPointOfLastStroke()
{
    return lastStroke && lastStroke->getSize() == 1 ? &lastStroke->getTail() : nullptr;
}

} // namespace Pelm
