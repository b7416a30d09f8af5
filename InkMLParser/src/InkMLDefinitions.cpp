#include "InkMLDefinitions.h"

#include "StringUtils.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <string_view>
#include <unordered_map>

namespace Pelm {

const std::string typesAsString[3] = {"INTEGER", "DECIMAL", "BOOLEAN"};

namespace {

const char* boolText(bool value) { return value ? "True" : "False"; }

bool isTrueText(const std::string& text) { return text == "True" || text == "true"; }

unsigned int unsignedOf(const std::string& text)
{
    return static_cast<unsigned int>(Str2Int(text.c_str()));
}

// The id named by a reference attribute ("#id"); an absent attribute names
// the empty id. False when the value does not start with "#".
bool referencedId(const TiXmlElement& element, const char* attribute, std::string& id)
{
    const char* value = element.Attribute(attribute);
    if (!value) {
        id.clear();
        return true;
    }
    if (value[0] != '#')
        return false;
    id = value + 1;
    return true;
}

// The first element of each id. Ordered, so that no choice of ids makes the
// lookups slow; the keys view the elements' own ids.
template <typename T>
using IdIndex = std::map<std::string_view, T*>;

template <typename T>
IdIndex<T> firstOfEachId(std::list<T>& elements)
{
    IdIndex<T> index;
    for (T& element : elements)
        index.emplace(element.id, &element);
    return index;
}

template <typename T>
T* withId(const IdIndex<T>& index, const std::string& id)
{
    const auto found = index.find(id);
    return found == index.end() ? nullptr : found->second;
}

// Each element of source with the element of the copied run starting at
// copy that stands where it stands.
template <typename T>
std::unordered_map<const T*, T*> copiesOf(const std::list<T>& source,
                                          typename std::list<T>::iterator copy)
{
    std::unordered_map<const T*, T*> copies;
    copies.reserve(source.size());
    for (const T& element : source)
        copies.emplace(&element, &*copy++);
    return copies;
}

// The copy of element; null when element is not one of the source's.
template <typename T>
T* copyOf(const std::unordered_map<const T*, T*>& copies, const T* element)
{
    const auto found = copies.find(element);
    return found == copies.end() ? nullptr : found->second;
}

// A "context" element with an id, whose references name a brush and a trace
// format of the indexes, appends that context; false for any other.
bool readContext(const TiXmlElement& element, const IdIndex<Brush>& brushes,
                 const IdIndex<TraceFormat>& traceFormats, std::list<InkMLContext>& contexts)
{
    const char* id = element.Attribute("id");
    std::string brushId;
    std::string traceFormatId;
    if (!id || !referencedId(element, "brushRef", brushId) ||
        !referencedId(element, "traceFormatRef", traceFormatId))
        return false;
    Brush* brush = withId(brushes, brushId);
    TraceFormat* traceFormat = withId(traceFormats, traceFormatId);
    if (!brush || !traceFormat)
        return false;
    contexts.emplace_back(id, traceFormat, brush);
    return true;
}

} // namespace

// Brush

Brush::Brush()
    : Brush("none", "Black", 1, 10, 100, false, true, true, "Ball")
{
}

Brush::Brush(const std::string& id_, const std::string& color_, unsigned int width_,
             unsigned int height_, unsigned int transparency_, bool antialiased_, bool fittocurve_,
             bool ignorePressure_, const std::string& pentip_)
    : IXmlSerializable("brush"), color(color_), width(width_), height(height_),
      transparency(transparency_), antialiased(antialiased_), fittocurve(fittocurve_),
      ignorePressure(ignorePressure_), pentip(pentip_), id(id_)
{
}

bool Brush::Serialize(TiXmlNode& parent)
{
    TiXmlElement* element = AppendSelf(parent);
    element->SetAttribute("id", id);
    TiXmlElement* values = AppendElement(*element, "annotationXML");
    AppendElementWithTextChild(*values, "color", color.Get().c_str());
    AppendElementWithTextChild(*values, "width", Int2Str(static_cast<int>(width.Get())).c_str());
    AppendElementWithTextChild(*values, "height", Int2Str(static_cast<int>(height.Get())).c_str());
    AppendElementWithTextChild(*values, "transparency",
                               Int2Str(static_cast<int>(transparency.Get())).c_str());
    AppendElementWithTextChild(*values, "antialiased", boolText(antialiased.Get()));
    AppendElementWithTextChild(*values, "fittocurve", boolText(fittocurve.Get()));
    AppendElementWithTextChild(*values, "ignorePressure", boolText(ignorePressure.Get()));
    AppendElementWithTextChild(*values, "pentip", pentip.Get().c_str());
    return true;
}

bool Brush::DeSerialize(const TiXmlNode& node)
{
    const char* elementId = AttributeOf(node, "id");
    if (!elementId)
        return false;
    id = elementId;
    const TiXmlElement* values = node.FirstChildElement("annotationXML");
    if (!values)
        return false;
    color.Set(GetChildVal(*values, "color"));
    width.Set(unsignedOf(GetChildVal(*values, "width")));
    height.Set(unsignedOf(GetChildVal(*values, "height")));
    transparency.Set(unsignedOf(GetChildVal(*values, "transparency")));
    antialiased.Set(isTrueText(GetChildVal(*values, "antialiased")));
    fittocurve.Set(isTrueText(GetChildVal(*values, "fittocurve")));
    ignorePressure.Set(isTrueText(GetChildVal(*values, "ignorePressure")));
    pentip.Set(GetChildVal(*values, "pentip"));
    return true;
}

// Channel

Channel::Channel() : Channel("none", INTEGER, 0, 0, "0.01mm") {}

Channel::Channel(const std::string& name_, Type type_, long min_, long max_,
                 const std::string& units_)
    : IXmlSerializable("channel"), name(name_), type(type_), min(min_), max(max_), units(units_)
{
}

bool Channel::Serialize(TiXmlNode& parent)
{
    TiXmlElement* element = AppendSelf(parent);
    element->SetAttribute("name", name.Get());
    element->SetAttribute("type", typesAsString[type.Get()]);
    element->SetAttribute("min", static_cast<std::int32_t>(min.Get()));
    element->SetAttribute("max", static_cast<std::int32_t>(max.Get()));
    element->SetAttribute("units", units.Get());
    return true;
}

bool Channel::DeSerialize(const TiXmlNode& node)
{
    const char* text = AttributeOf(node, "name");
    if (!text)
        return false;
    name.Set(text);
    if (!(text = AttributeOf(node, "type")))
        return false;
    for (int t = INTEGER; t <= BOOLEAN; ++t)
        if (typesAsString[t] == text)
            type.Set(static_cast<Type>(t));
    if (!(text = AttributeOf(node, "min")))
        return false;
    min.Set(Str2Int(text));
    if (!(text = AttributeOf(node, "max")))
        return false;
    max.Set(Str2Int(text));
    if (!(text = AttributeOf(node, "units")))
        return false;
    units.Set(text);
    return true;
}

// TraceFormat

TraceFormat::TraceFormat(const char* id_) : IXmlSerializable("traceFormat"), id(id_ ? id_ : "") {}

bool TraceFormat::Serialize(TiXmlNode& parent)
{
    TiXmlElement* element = AppendSelf(parent);
    element->SetAttribute("id", id);
    for (Channel& channel : *this)
        channel.Serialize(*element);
    return true;
}

bool TraceFormat::DeSerialize(const TiXmlNode& node)
{
    const char* elementId = AttributeOf(node, "id");
    if (!elementId)
        return false;
    id = elementId;
    for (const TiXmlElement* child = node.FirstChildElement("channel"); child;
         child = child->NextSiblingElement("channel")) {
        Channel channel;
        if (channel.DeSerialize(*child))
            push_back(channel);
    }
    return true;
}

DefaultTraceFormat::DefaultTraceFormat() : TraceFormat("default")
{
    push_back(Channel("X", Channel::DECIMAL, -3000, 3000, "0.1mm"));
    push_back(Channel("Y", Channel::DECIMAL, 0, 6000, "0.1mm"));
    push_back(Channel("Pressure", Channel::DECIMAL, 0, 10000, "none"));
    push_back(Channel("xtilt", Channel::INTEGER, -127, 128, "none"));
    push_back(Channel("ytilt", Channel::DECIMAL, -127, 128, "none"));
    push_back(Channel("timestamp", Channel::DECIMAL, 0, 128, "0.1sec"));
}

// InkMLContext

InkMLContext::InkMLContext(const std::string& id_, TraceFormat* traceFormat_, Brush* brush_)
    : traceFormat(traceFormat_), brush(brush_), id(id_)
{
}

// InkMLDefinitions

InkMLDefinitions::InkMLDefinitions() : IXmlSerializable("definitions") {}

InkMLDefinitions::InkMLDefinitions(const InkMLDefinitions& other) : IXmlSerializable(other)
{
    append(other);
}

InkMLDefinitions& InkMLDefinitions::operator=(const InkMLDefinitions& other)
{
    if (this != &other) {
        IXmlSerializable::operator=(other);
        clear();
        append(other);
    }
    return *this;
}

void InkMLDefinitions::clear()
{
    contexts.clear();
    traceFormats.clear();
    brushes.clear();
}

void InkMLDefinitions::append(const InkMLDefinitions& other)
{
    if (&other == this) {
        const InkMLDefinitions copy(other);
        append(copy);
        return;
    }
    const auto firstBrush = brushes.insert(brushes.end(), other.brushes.begin(), other.brushes.end());
    const auto firstFormat =
        traceFormats.insert(traceFormats.end(), other.traceFormats.begin(), other.traceFormats.end());
    if (other.contexts.empty())
        return;
    const auto brushCopies = copiesOf(other.brushes, firstBrush);
    const auto traceFormatCopies = copiesOf(other.traceFormats, firstFormat);
    for (const InkMLContext& context : other.contexts)
        contexts.emplace_back(context.id, copyOf(traceFormatCopies, context.traceFormat.Get()),
                              copyOf(brushCopies, context.brush.Get()));
}

bool InkMLDefinitions::Serialize(TiXmlNode& parent)
{
    TiXmlElement* element = AppendSelf(parent);
    for (TraceFormat& traceFormat : traceFormats)
        traceFormat.Serialize(*element);
    for (Brush& brush : brushes)
        brush.Serialize(*element);
    for (const InkMLContext& context : contexts) {
        TiXmlElement* contextElement = AppendElement(*element, "context");
        if (!context.id.empty())
            contextElement->SetAttribute("id", context.id);
        if (const Brush* brush = context.brush.Get())
            contextElement->SetAttribute("brushRef", "#" + brush->id);
        if (const TraceFormat* traceFormat = context.traceFormat.Get())
            contextElement->SetAttribute("traceFormatRef", "#" + traceFormat->id);
    }
    return true;
}

bool InkMLDefinitions::DeSerialize(const TiXmlNode& node)
{
    for (const TiXmlElement* child = node.FirstChildElement("traceFormat"); child;
         child = child->NextSiblingElement("traceFormat")) {
        TraceFormat traceFormat(nullptr);
        if (traceFormat.DeSerialize(*child))
            traceFormats.push_back(traceFormat);
    }
    for (const TiXmlElement* child = node.FirstChildElement("brush"); child;
         child = child->NextSiblingElement("brush")) {
        Brush brush;
        if (brush.DeSerialize(*child))
            brushes.push_back(brush);
    }
    const IdIndex<Brush> brushIndex = firstOfEachId(brushes);
    const IdIndex<TraceFormat> traceFormatIndex = firstOfEachId(traceFormats);
    for (const TiXmlElement* child = node.FirstChildElement("context"); child;
         child = child->NextSiblingElement("context"))
        if (!readContext(*child, brushIndex, traceFormatIndex, contexts))
            return false;
    return true;
}

// DefaultInkMLDefinitions

DefaultInkMLDefinitions::DefaultInkMLDefinitions()
{
    traceFormats.push_back(DefaultTraceFormat());
    contexts.emplace_back("default-context", &traceFormats.back(), nullptr);
}

} // namespace Pelm
