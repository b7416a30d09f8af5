#ifndef PELM_WPIPARSER_H
#define PELM_WPIPARSER_H

#include "SmartPointer.h"
#include "WpiDocument.h"

#include <atomic>
#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace Pelm {

// Reads one WPI file into a WpiDocument of layers, strokes and points.
// The whole file is read into memory first and decoded from there; anything
// but a regular file (a FIFO, a device, a folder) is refused unread, and so
// is a file above maxFileSize; a file of more than maxDocumentLayers layers
// fails at the first point beyond them. The
// document is marked loaded only when the read reached the end of the file
// without a failure; a failed or stopped read leaves what was built so far,
// not loaded.
class WpiParser {
public:
    // Files above this size are refused.
    static const std::size_t maxFileSize;

    explicit WpiParser(const char* path);
    ~WpiParser();
    WpiParser(const WpiParser&) = delete;
    WpiParser& operator=(const WpiParser&) = delete;

    // Reads the file given at construction; returns the document's loaded flag.
    bool readDocFromFile();
    // The same for the bytes left in a stream, or for a buffer.
    bool readDocFromStream(std::istream& in);
    bool readDocFromBuffer(const unsigned char* data, std::size_t size);

    // Asks a running read to stop before its next packet or file chunk; may
    // be called from any thread. A stopped read does not mark the document
    // loaded, and every later read of this parser stops at once.
    void abort();

    // Callers that keep the document copy its raw pointer into a handle of
    // their own and then call SetData(nullptr) here.
    SmartPointer<WpiDocument>& getDocument();

private:
    struct PenState {
        bool newLayer = true;
        bool newStroke = true;
        bool penDown = false;
    };

    bool stopRequested() const { return aborted.load(std::memory_order_relaxed); }
    bool loadFile(std::unique_ptr<unsigned char[]>& bytes, std::size_t& size) const;
    bool loadBytes(std::istream& in, std::vector<unsigned char>& bytes) const;
    bool parse(PacketStream& stream);
    bool readPacket(unsigned char tag, PacketStream& stream, PenState& state);
    bool skipUnknownPacket(PacketStream& stream);
    // False when the point would open a layer beyond maxDocumentLayers.
    bool addPoint(const CoordinatePoint& coordinate, const PacketStream& stream, PenState& state);
    void applyStatus(unsigned char flags, PenState& state);
    void resetPenValues();
    void findLastStroke();
    // The point of the last stroke while it holds just one.
    Point* onlyPointOfLastStroke();

    std::string path;
    PressureData pressure;
    TiltData tilt;
    TimestampData timestamp;
    SmartPointer<WpiDocument> document;
    // Where new points go: the document's last layer and its last stroke
    // (elements of a deque keep their place while others are appended).
    Layer* lastLayer;
    Stroke* lastStroke;
    // Where the points of a large file lie; none for a small one.
    std::shared_ptr<PointBlocks> pointBlocks;
    std::atomic<bool> aborted;
};

} // namespace Pelm

#endif
