#ifndef PELM_DOCUMENTSERIALIZER_H
#define PELM_DOCUMENTSERIALIZER_H

#include "Document.h"
#include "InkMLDefinitions.h"
#include "ThreadMutex.h"
#include "XMLSerializable.h"

#include <atomic>
#include <string>

namespace Pelm {

// One point as the seven numbers "x y z pressure tiltX tiltY timestamp".
class PointSerializer {
public:
    explicit PointSerializer(Point& point);

    // Replaces text with the point's text; always true.
    bool Serialize(std::string& text);
    // Reads the fields present in text; false when it holds only blanks.
    bool DeSerialize(const std::string& text);

    Point* point;
};

// One stroke as a "trace" element of comma-separated points.
class StrokeSerializer : public IXmlSerializable {
public:
    StrokeSerializer(Stroke& stroke, const std::string& contextRef);

    bool Serialize(TiXmlNode& parent) override;
    // False for a trace without text or without "contextRef".
    bool DeSerialize(const TiXmlNode& node) override;

    Stroke* stroke;
    std::string contextRef;
};

// One layer as a "tracegroup" element with the id "layer<index>".
class LayerSerializer : public IXmlSerializable {
public:
    LayerSerializer(Layer& layer, int index);

    bool Serialize(TiXmlNode& parent) override;
    // False only when stopped by abort.
    bool DeSerialize(const TiXmlNode& node) override;
    // May be called from another thread while DeSerialize runs.
    void abort();

    std::atomic<bool> aborted;
    Layer* layer;
    int index;
};

// Writes a document with its definitions as an InkML file and reads one
// back into it. A save replaces the file only once the new content is
// complete on disk; a failed save leaves the previous file as it was.
class DocumentSerializer {
public:
    explicit DocumentSerializer(Document& document);
    virtual ~DocumentSerializer();
    DocumentSerializer(const DocumentSerializer&) = delete;
    DocumentSerializer& operator=(const DocumentSerializer&) = delete;

    virtual bool Serialize(const char* path, InkMLDefinitions& definitions);
    virtual bool Serialize(const wchar_t* path, InkMLDefinitions& definitions);
    virtual bool DeSerialize(const char* path, InkMLDefinitions& definitions);
    virtual bool DeSerialize(const wchar_t* path, InkMLDefinitions& definitions);
    virtual bool parseDoc(TiXmlDocument& xml, InkMLDefinitions& definitions);

    // The XML tree of the document; false when a layer could not be written.
    bool buildXmlDoc(TiXmlDocument& xml, InkMLDefinitions& definitions);

    // Stops a read running on another thread at its next poll, and every
    // later read. Safe to call from any thread.
    void abort();

private:
    bool readLayers(const TiXmlElement& root);
    void readLayer(const TiXmlElement& element);

    std::atomic<bool> aborted;
    Document* document;
    // The layer reader at work, null between layers; guarded by currentMutex
    // so that abort never reaches a layer reader that has finished.
    LayerSerializer* current;
    ThreadMutex currentMutex;
};

class DocumentWriter {
public:
    static bool writeToFile(const char* path, const Document& document,
                            InkMLDefinitions& definitions);
};

} // namespace Pelm

#endif
