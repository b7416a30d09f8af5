#ifndef PELM_INKMLDEFINITIONS_H
#define PELM_INKMLDEFINITIONS_H

#include "Property.h"
#include "XMLSerializable.h"

#include <list>
#include <string>

namespace Pelm {

// How a trace is drawn; written as a "brush" element with its values in
// an "annotationXML" child.
class Brush : public IXmlSerializable {
public:
    Brush();
    Brush(const std::string& id, const std::string& color, unsigned int width,
          unsigned int height, unsigned int transparency, bool antialiased, bool fittocurve,
          bool ignorePressure, const std::string& pentip);
    Brush(const Brush& other) = default;
    Brush& operator=(const Brush& other) = default;

    bool Serialize(TiXmlNode& parent) override;
    bool DeSerialize(const TiXmlNode& node) override;
    std::string getId() const { return id; }

    Property<std::string> color;
    Property<unsigned int> width;
    Property<unsigned int> height;
    Property<unsigned int> transparency;
    Property<bool> antialiased;
    Property<bool> fittocurve;
    Property<bool> ignorePressure;
    Property<std::string> pentip;
    std::string id;
};

// One channel of a trace format.
class Channel : public IXmlSerializable {
public:
    enum Type { INTEGER = 0, DECIMAL = 1, BOOLEAN = 2 };

    Channel();
    Channel(const std::string& name, Type type, long min, long max, const std::string& units);
    Channel(const Channel& other) = default;
    Channel& operator=(const Channel& other) = default;

    bool Serialize(TiXmlNode& parent) override;
    bool DeSerialize(const TiXmlNode& node) override;

    Property<std::string> name;
    Property<Type> type;
    Property<long> min;
    Property<long> max;
    Property<std::string> units;
};

// Names of the channel types, indexed by Channel::Type.
extern const std::string typesAsString[3];

// A trace format is the ordered list of its channels.
class TraceFormat : public std::list<Channel>, public IXmlSerializable {
public:
    // A null id gives an empty one.
    explicit TraceFormat(const char* id);
    TraceFormat(const TraceFormat& other) = default;
    TraceFormat& operator=(const TraceFormat& other) = default;

    bool Serialize(TiXmlNode& parent) override;
    bool DeSerialize(const TiXmlNode& node) override;
    std::string getId() const { return id; }

    std::string id;
};

// "default": X, Y, Pressure, xtilt, ytilt and timestamp.
class DefaultTraceFormat : public TraceFormat {
public:
    DefaultTraceFormat();
};

// Pairs a trace format with a brush. Neither pointer is owned: both point
// at elements of the definitions that hold the context.
class InkMLContext {
public:
    InkMLContext(const std::string& id, TraceFormat* traceFormat, Brush* brush);
    std::string getId() const { return id; }

    Property<TraceFormat*> traceFormat;
    Property<Brush*> brush;
    std::string id;
};

// The definitions block of an InkML document. Copying, assigning and
// appending point the copied contexts at the receiver's own brushes and
// trace formats; a context pointer that does not point into its source's
// lists becomes null.
class InkMLDefinitions : public IXmlSerializable {
public:
    InkMLDefinitions();
    InkMLDefinitions(const InkMLDefinitions& other);
    InkMLDefinitions& operator=(const InkMLDefinitions& other);

    // Appends copies of other's brushes, trace formats and contexts.
    void append(const InkMLDefinitions& other);

    bool Serialize(TiXmlNode& parent) override;
    // Appends what it reads; false when a context could not be read.
    bool DeSerialize(const TiXmlNode& node) override;

    std::list<Brush> brushes;
    std::list<TraceFormat> traceFormats;
    std::list<InkMLContext> contexts;

private:
    void clear();
};

// The default trace format and the context "default-context" on it; no brush.
class DefaultInkMLDefinitions : public InkMLDefinitions {
public:
    DefaultInkMLDefinitions();
};

} // namespace Pelm

#endif
