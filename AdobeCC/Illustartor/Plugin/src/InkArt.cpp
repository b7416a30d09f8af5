// Turning an ink document into host art.

#include "hlvexportfileplugin.h"

#include "AIError.h"
#include "PathGeometry.h"
#include "SuitePointers.h"
#include "UnicodeString.h"

#include <algorithm>
#include <iostream>
#include <vector>

namespace {

constexpr const char* kNamedStyleName = "hlvaiexportset";

// Points per ink unit of 0.1 mm, and the centre and height of an A4 page in
// points, all single precision as the host's own set-up is.
constexpr float kPointsPerInkUnit = 0.2834f;
constexpr double kPageHalfWidth = 297.57f;
constexpr double kPageHeight = 841.698f;
constexpr double kPageHalfHeight = 420.849f;

// Only a layer that cannot be made editable ends the import.
void makeCurrentAndEditable(AILayerHandle layer)
{
    sAILayer->SetCurrentLayer(layer);
    check_result(sAILayer->SetLayerEditable(layer, true));
}

// An art set of the host, disposed of with the object.
class ScopedArtSet {
public:
    ScopedArtSet() = default;
    ScopedArtSet(const ScopedArtSet&) = delete;
    ScopedArtSet& operator=(const ScopedArtSet&) = delete;
    ~ScopedArtSet()
    {
        if (fSet)
            sAIArtSet->DisposeArtSet(&fSet);
    }

    AIErr create()
    {
        AIArtSet set = nullptr;
        const AIErr error = sAIArtSet->NewArtSet(&set);
        if (error == kNoErr)
            fSet = set;
        return error;
    }
    AIArtSet get() const { return fSet; }

private:
    AIArtSet fSet = nullptr;
};

} // namespace

// A style that could not be made is never applied; neither is one left from
// an earlier import.
void hlvexportfileplugin::CreateNamedStyle()
{
    fNamedStyle = nullptr;
    if (!fLibraryArtStyle)
        return;
    const ai::UnicodeString name = ai::UnicodeString::FromPlatform(kNamedStyleName);
    AIArtStyleHandle named = nullptr;
    if (sAIArtStyle->CreateNamedStyle(fLibraryArtStyle, name.handle(), true, &named) == kNoErr)
        fNamedStyle = named;
}

AIErr hlvexportfileplugin::ParseVectorFileData(Pelm::SmartPointer<Pelm::Document> document)
{
    CreateNamedStyle();
    Pelm::Document drawing(*document.GetData());

    fDrawingRect = drawing.getBindingRectangle();
    const Pelm::Point& topLeft = fDrawingRect.topLeft.Get();
    const Pelm::Point& bottomRight = fDrawingRect.bottomRight.Get();
    fDrawingWidth = Pelm::toFloat(bottomRight.x.Get() - topLeft.x.Get());
    fDrawingHeight = Pelm::toFloat(bottomRight.y.Get() - topLeft.y.Get());
    PrepareAIDocumentSettings();

    std::cout << "there are " << drawing.getSize() << " layers in this document" << std::endl;
    AILayerHandle hostLayer = GetFirstLayer();
    for (unsigned long i = 0; i < drawing.getSize(); ++i) {
        Pelm::Layer* inkLayer = nullptr;
        drawing.at(i, &inkLayer);
        Pelm::RegionIterator<Pelm::Stroke> strokes(*inkLayer);
        for (const Pelm::Stroke* stroke = strokes.current(); stroke; strokes.advance(), stroke = strokes.current())
            if (stroke->getSize() >= 2)
                InsertStrokeAsPath(stroke, hostLayer);
        if (i + 1 < drawing.getSize())
            hostLayer = AddNewLayer();
    }
    if (fNamedStyle)
        check_result(FixPathBrush());
    return kNoErr;
}

AIErr hlvexportfileplugin::PrepareAIDocumentSettings()
{
    check_result(sAIDocument->GetDocumentSetup(&fDocumentSetup));
    fDocumentSetup.width = static_cast<double>(fDrawingWidth * kPointsPerInkUnit);
    fDocumentSetup.height = static_cast<double>(fDrawingHeight * kPointsPerInkUnit);
    const AIRealPoint origin{0.0, 0.0};
    check_result(sAIDocument->SetDocumentRulerOrigin(&origin));
    check_result(sAIDocument->SetDocumentSetup(&fDocumentSetup));
    return kNoErr;
}

AILayerHandle hlvexportfileplugin::GetFirstLayer()
{
    AILayerHandle layer = nullptr;
    check_result(sAILayer->GetFirstLayer(&layer));
    makeCurrentAndEditable(layer);
    return layer;
}

AILayerHandle hlvexportfileplugin::AddNewLayer()
{
    AILayerHandle layer = nullptr;
    check_result(sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &layer));
    makeCurrentAndEditable(layer);
    return layer;
}

// A stroke longer than a host path can hold becomes consecutive paths, each
// starting at the point where the one before ended.
void hlvexportfileplugin::InsertStrokeAsPath(const Pelm::Stroke* stroke, AILayerHandle& layer)
{
    const unsigned long count = stroke->getSize();
    for (unsigned long first = 0; first + 1 < count; first += kMaxPathSegments - 1)
        insertPath(*stroke, first, std::min(first + kMaxPathSegments - 1, count - 1), layer);
}

AIArtHandle hlvexportfileplugin::newPathIn(AILayerHandle layer)
{
    AIArtHandle group = nullptr;
    AIArtHandle path = nullptr;
    if (sAIArt->GetFirstArtOfLayer(layer, &group) == kNoErr && group)
        check_result(sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &path));
    else
        check_result(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &path));
    return path;
}

void hlvexportfileplugin::insertPath(const Pelm::Stroke& stroke, unsigned long first, unsigned long last,
                                     AILayerHandle layer)
{
    const AIArtHandle path = newPathIn(layer);
    const auto count = static_cast<std::int16_t>(last - first + 1);
    check_result(sAIPath->SetPathSegmentCount(path, count));

    std::vector<AIRealPoint> anchors(static_cast<std::size_t>(count));
    std::vector<unsigned int> pressures(static_cast<std::size_t>(count));
    Pelm::Point point;
    for (std::size_t i = 0; i < anchors.size(); ++i) {
        stroke.at(first + i, point);
        FixPelmPointAI(point, anchors[i]);
        pressures[i] = point.pressure.Get();
    }
    const std::vector<AIPathSegment> segments = makePathSegments(anchors);
    const std::vector<AITabletProfile> profile = makePressureProfile(pressures);
    check_result(sAIPath->SetPathSegments(path, 0, count, segments.data()));
    check_result(sAIPath->SetPathClosed(path, false));
    check_result(sAITabletData->SetTabletData(path, profile.data(), count, kTabletPressure));
}

// Gives the named style to all art of every layer, going on past failures;
// the result is that of the last host operation made. What a failed call
// should have handed over (a layer, an art set, an art object) is not used.
AIErr hlvexportfileplugin::FixPathBrush()
{
    std::int32_t count = 0;
    AIErr result = sAILayer->CountLayers(&count);
    for (std::int32_t i = 0; i < count; ++i) {
        AILayerHandle layer = nullptr;
        result = sAILayer->GetNthLayer(i, &layer);
        if (result == kNoErr)
            result = applyNamedStyle(layer);
    }
    return result;
}

// A layer without art adds nothing after the question, so the successful
// fetch of the layer stays the last result.
AIErr hlvexportfileplugin::applyNamedStyle(AILayerHandle layer)
{
    // Asked with the answer preset: a question that fails counts as art.
    AIBoolean hasArt = true;
    sAILayer->LayerHasArt(layer, &hasArt);
    if (!hasArt)
        return kNoErr;
    ScopedArtSet art;
    AIErr result = art.create();
    if (result != kNoErr)
        return result;
    result = sAIArtSet->LayerArtSet(layer, art.get());
    std::size_t size = 0;
    result = sAIArtSet->CountArtSet(art.get(), &size);
    for (std::size_t i = 0; i < size; ++i) {
        AIArtHandle object = nullptr;
        result = sAIArtSet->IndexArtSet(art.get(), i, &object);
        if (result == kNoErr)
            result = sAIArtStyle->SetArtStyle(object, fNamedStyle);
    }
    return result;
}

void hlvexportfileplugin::FixPelmPointAI(const Pelm::Point& point, AIRealPoint& result) const
{
    const double scale = kPointsPerInkUnit;
    const Pelm::Point& topLeft = fDrawingRect.topLeft.Get();
    result.h = point.x.Get() * scale + ((kPageHalfWidth - topLeft.x.Get() * scale) - fDocumentSetup.width / 2.0);
    result.v = (kPageHeight - point.y.Get() * scale) +
               ((-kPageHalfHeight + topLeft.y.Get() * scale) + fDocumentSetup.height / 2.0);
}
