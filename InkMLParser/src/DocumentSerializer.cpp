#include "DocumentSerializer.h"

#include "FileReplacement.h"
#include "PointText.h"
#include "StringConverter.h"
#include "StringUtils.h"
#include "XmlFile.h"

#include <cstring>
#include <exception>
#include <utility>

namespace Pelm {

namespace {

const char* const defaultContextRef = "#default-context";

// Files with more points are refused: a point takes some 110 bytes in memory
// and is copied twice on its way into the document, while its text can be two
// bytes. The writer needs at least 14 bytes a point, so every file it writes
// within maxXmlFileBytes stays below this.
constexpr std::size_t maxDocumentPoints = 5000000;

// The most points the tracegroups of root can give: one per comma-separated
// piece of every trace text.
std::size_t pointsAtMost(const TiXmlElement& root)
{
    std::size_t points = 0;
    for (const TiXmlElement* group = root.FirstChildElement("tracegroup"); group;
         group = group->NextSiblingElement("tracegroup"))
        for (const TiXmlElement* trace = group->FirstChildElement("trace"); trace;
             trace = trace->NextSiblingElement("trace"))
            if (const TiXmlNode* text = trace->FirstChild()) {
                ++points;
                for (const char* comma = text->Value(); (comma = std::strchr(comma, ',')); ++comma)
                    ++points;
            }
    return points;
}

// The layers the tracegroups of root give.
std::size_t layersOf(const TiXmlElement& root)
{
    std::size_t layers = 0;
    for (const TiXmlElement* group = root.FirstChildElement("tracegroup"); group;
         group = group->NextSiblingElement("tracegroup"))
        ++layers;
    return layers;
}

// One "annotation" element per entry, in key order.
void appendAnnotations(TiXmlElement& parent, const std::map<std::string, std::string>& annotations)
{
    for (const auto& annotation : annotations)
        IXmlSerializable::AppendElementWithTextChild(parent, "annotation",
                                                     annotation.second.c_str())
            ->SetAttribute("type", annotation.first);
}

// An "annotation" element with a type and a text sets that entry.
void readAnnotation(const TiXmlElement& element, std::map<std::string, std::string>& annotations)
{
    const char* type = element.Attribute("type");
    const char* text = element.GetText();
    if (type && text)
        annotations[type] = text;
}

// The call's result with the path in UTF-8; false when it does not convert.
template <typename Call>
bool withUtf8Path(const wchar_t* path, Call call)
{
    try {
        StringConverter utf8Path(path);
        const char* narrowPath = utf8Path.GetUtf8();
        return narrowPath && call(narrowPath);
    } catch (const std::exception&) {
        return false;
    }
}

} // namespace

// PointSerializer

PointSerializer::PointSerializer(Point& point_) : point(&point_) {}

bool PointSerializer::Serialize(std::string& text)
{
    text.clear();
    appendPointText(text, *point);
    return true;
}

bool PointSerializer::DeSerialize(const std::string& text) { return readPointText(text, *point); }

// StrokeSerializer

StrokeSerializer::StrokeSerializer(Stroke& stroke_, const std::string& contextRef_)
    : IXmlSerializable("trace"), stroke(&stroke_), contextRef(contextRef_)
{
}

bool StrokeSerializer::Serialize(TiXmlNode& parent)
{
    std::string text;
    text.reserve(stroke->getSize() * 40);
    RegionIterator<Point> points(*stroke);
    for (const Point* point = points.current(); point; points.advance(), point = points.current()) {
        if (!text.empty())
            text.push_back(',');
        appendPointText(text, *point);
    }
    TiXmlElement* element = AppendElementWithTextChild(parent, GetNode().c_str(), text.c_str());
    element->SetAttribute("contextRef", contextRef);
    return true;
}

bool StrokeSerializer::DeSerialize(const TiXmlNode& node)
{
    const TiXmlNode* first = node.FirstChild();
    if (!first || !first->ToText())
        return false;
    Pieces pieces(first->ValueStr(), ',');
    std::string_view piece;
    while (pieces.next(piece)) {
        Point point;
        if (readPointText(piece, point))
            stroke->addElement(point);
    }
    const char* reference = AttributeOf(node, "contextRef");
    if (!reference)
        return false;
    contextRef = reference;
    return true;
}

// LayerSerializer

LayerSerializer::LayerSerializer(Layer& layer_, int index_)
    : IXmlSerializable("tracegroup"), aborted(false), layer(&layer_), index(index_)
{
}

bool LayerSerializer::Serialize(TiXmlNode& parent)
{
    TiXmlElement* element = AppendSelf(parent);
    element->SetAttribute("id", "layer" + Int2Str(index));
    appendAnnotations(*element, layer->annotations);
    RegionIterator<Stroke> strokes(*layer);
    for (Stroke* stroke = strokes.current(); stroke; strokes.advance(), stroke = strokes.current()) {
        StrokeSerializer writer(*stroke, defaultContextRef);
        if (!writer.Serialize(*element))
            return false;
    }
    return true;
}

bool LayerSerializer::DeSerialize(const TiXmlNode& node)
{
    const char* id = AttributeOf(node, "id");
    if (!id || std::strncmp(id, "layer", 5) != 0)
        return true;
    index = Str2Int(id + 5);
    if (aborted)
        return false;
    for (const TiXmlElement* trace = node.FirstChildElement("trace"); trace;
         trace = trace->NextSiblingElement("trace")) {
        if (aborted)
            return false;
        Stroke stroke;
        StrokeSerializer reader(stroke, "none");
        if (reader.DeSerialize(*trace))
            layer->addElement(std::move(stroke));
    }
    for (const TiXmlElement* annotation = node.FirstChildElement("annotation"); annotation;
         annotation = annotation->NextSiblingElement("annotation")) {
        if (aborted)
            return false;
        readAnnotation(*annotation, layer->annotations);
    }
    return true;
}

void LayerSerializer::abort() { aborted = true; }

// DocumentSerializer

DocumentSerializer::DocumentSerializer(Document& document_)
    : aborted(false), document(&document_), current(nullptr)
{
}

DocumentSerializer::~DocumentSerializer() = default;

bool DocumentSerializer::Serialize(const char* path, InkMLDefinitions& definitions)
{
    if (!path)
        return false;
    try {
        TiXmlDocument xml;
        if (!buildXmlDoc(xml, definitions))
            return false;
        return replaceFile(path, xmlFileText(xml));
    } catch (const std::exception&) {
        return false;
    }
}

bool DocumentSerializer::Serialize(const wchar_t* path, InkMLDefinitions& definitions)
{
    return withUtf8Path(path, [&](const char* utf8) { return Serialize(utf8, definitions); });
}

bool DocumentSerializer::buildXmlDoc(TiXmlDocument& xml, InkMLDefinitions& definitions)
{
    const TiXmlDeclaration declaration("1.0", "", "");
    if (xml.FirstChild())
        xml.InsertBeforeChild(xml.FirstChild(), declaration);
    else
        xml.InsertEndChild(declaration);
    TiXmlElement* root = IXmlSerializable::AppendElement(xml, "ink");
    definitions.Serialize(*root);
    appendAnnotations(*root, document->annotations);
    RegionIterator<Layer> layers(*document);
    int index = 0;
    for (Layer* layer = layers.current(); layer; layers.advance(), layer = layers.current()) {
        LayerSerializer writer(*layer, index++);
        if (!writer.Serialize(*root))
            return false;
    }
    return true;
}

bool DocumentSerializer::DeSerialize(const char* path, InkMLDefinitions& definitions)
{
    if (aborted)
        return false;
    try {
        TiXmlDocument xml;
        return loadXmlFile(path, xml) && parseDoc(xml, definitions);
    } catch (const std::exception&) {
        return false;
    }
}

bool DocumentSerializer::DeSerialize(const wchar_t* path, InkMLDefinitions& definitions)
{
    return withUtf8Path(path, [&](const char* utf8) { return DeSerialize(utf8, definitions); });
}

bool DocumentSerializer::parseDoc(TiXmlDocument& xml, InkMLDefinitions& definitions)
{
    const TiXmlElement* root = xml.FirstChildElement("ink");
    const TiXmlElement* definitionsElement = root ? root->FirstChildElement("definitions") : nullptr;
    if (!definitionsElement || layersOf(*root) > maxDocumentLayers ||
        pointsAtMost(*root) > maxDocumentPoints)
        return false;
    definitions.DeSerialize(*definitionsElement);
    if (!readLayers(*root))
        return false;
    for (const TiXmlElement* annotation = root->FirstChildElement("annotation"); annotation;
         annotation = annotation->NextSiblingElement("annotation")) {
        if (aborted)
            return false;
        readAnnotation(*annotation, document->annotations);
    }
    // An abort during the last layer left that layer out: not loaded.
    if (aborted)
        return false;
    document->loaded.Set(true);
    return true;
}

bool DocumentSerializer::readLayers(const TiXmlElement& root)
{
    for (const TiXmlElement* group = root.FirstChildElement("tracegroup"); group;
         group = group->NextSiblingElement("tracegroup")) {
        if (aborted)
            return false;
        readLayer(*group);
    }
    return true;
}

void DocumentSerializer::readLayer(const TiXmlElement& element)
{
    Layer layer;
    LayerSerializer reader(layer, 0);
    {
        MutexGuard guard(currentMutex);
        current = &reader;
        // An abort that came before current was set has not reached reader.
        if (aborted)
            reader.abort();
    }
    const bool read = reader.DeSerialize(element);
    {
        MutexGuard guard(currentMutex);
        current = nullptr;
    }
    if (read)
        document->addElement(std::move(layer));
}

void DocumentSerializer::abort()
{
    aborted = true;
    MutexGuard guard(currentMutex);
    if (current)
        current->abort();
}

// DocumentWriter

bool DocumentWriter::writeToFile(const char* path, const Document& document,
                                 InkMLDefinitions& definitions)
{
    // Writing only reads the document.
    DocumentSerializer serializer(const_cast<Document&>(document));
    return serializer.Serialize(path, definitions);
}

} // namespace Pelm
