#include "InkFileReading.h"

#include "DocumentReader.h"
#include "WpiParser.h"

#include <cfloat>
#include <cmath>
#include <iostream>

HalvrenfileType currentFileType = kWpiFileType;

namespace {

// A quarter of the single-precision range: the drawing's width (up to twice
// this) and an anchor (about three times this after the scaling to points)
// still fit.
constexpr double kLargestCoordinate = FLT_MAX / 4.0;

bool isHostSized(double coordinate)
{
    return std::isfinite(coordinate) && std::fabs(coordinate) <= kLargestCoordinate;
}

// The document outlives the parser: a handle of our own takes the raw
// pointer and the parser's handle lets go of it without deleting.
Pelm::SmartPointer<Pelm::Document> readWpi(const char* path)
{
    Pelm::WpiParser parser(path);
    if (!parser.readDocFromFile())
        return Pelm::SmartPointer<Pelm::Document>();
    Pelm::SmartPointer<Pelm::Document> document(parser.getDocument().GetData());
    parser.getDocument().SetData(nullptr);
    return document;
}

Pelm::SmartPointer<Pelm::Document> readInkML(const char* path)
{
    Pelm::DocumentReader reader(path);
    if (!reader.readDocFromFile())
        return Pelm::SmartPointer<Pelm::Document>();
    Pelm::SmartPointer<Pelm::Document> document = reader.getDocument();
    PrintDocumentData(*document.GetData());
    return document;
}

} // namespace

Pelm::SmartPointer<Pelm::Document> ParseSomething(const char* path, HalvrenfileType type)
{
    return type == kWpiFileType ? readWpi(path) : readInkML(path);
}

void PrintDocumentData(Pelm::Document& document)
{
    if (!document.loaded.Get())
        return;
    Pelm::RegionIterator<Pelm::Layer> layers(document);
    for (Pelm::Layer* layer = layers.current(); layer; layers.advance(), layer = layers.current()) {
        Pelm::RegionIterator<Pelm::Stroke> strokes(*layer);
        for (Pelm::Stroke* stroke = strokes.current(); stroke; strokes.advance(), stroke = strokes.current())
            std::cout << "there are " << stroke->getSize() << " points in this stroke" << std::endl;
    }
}

bool HasHostSizedCoordinates(Pelm::Document& document)
{
    Pelm::RegionIterator<Pelm::Layer> layers(document);
    for (Pelm::Layer* layer = layers.current(); layer; layers.advance(), layer = layers.current()) {
        Pelm::RegionIterator<Pelm::Stroke> strokes(*layer);
        for (Pelm::Stroke* stroke = strokes.current(); stroke; strokes.advance(), stroke = strokes.current()) {
            Pelm::RegionIterator<Pelm::Point> points(*stroke);
            for (Pelm::Point* point = points.current(); point; points.advance(), point = points.current())
                if (!isHostSized(point->x.Get()) || !isHostSized(point->y.Get()))
                    return false;
        }
    }
    return true;
}
