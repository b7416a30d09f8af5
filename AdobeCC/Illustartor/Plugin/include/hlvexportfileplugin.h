#ifndef HLV_HLVEXPORTFILEPLUGIN_H
#define HLV_HLVEXPORTFILEPLUGIN_H

// The import plug-in: registers the pen's file format and turns an opened
// ink document into host layers of pressure-profiled paths.

#include "Plugin.h"

#include "BindingRectangle.h"
#include "Document.h"
#include "SmartPointer.h"

#include <cstddef>

class hlvexportfileplugin : public Plugin {
public:
    explicit hlvexportfileplugin(SPPluginRef pluginRef);

    // Never throws: a failed allocation gives null.
    static void* operator new(std::size_t size) noexcept;
    static void operator delete(void* block) noexcept;

    AIErr StartupPlugin(SPInterfaceMessage* message) override;
    AIErr Message(const char* caller, const char* selector, void* message) override;
    AIErr GoMenuItem(void* message) override;
    AIErr GoFileFormat(AIFileFormatMessage* message) override;

    AIErr AddMenus(SPInterfaceMessage* message);
    AIErr AddFileFormatsHalvren(SPInterfaceMessage* message);
    void LoadBrushLibrary();

    // Builds the art of one ink document in the open host document.
    AIErr ParseVectorFileData(Pelm::SmartPointer<Pelm::Document> document);
    AIErr PrepareAIDocumentSettings();
    AILayerHandle GetFirstLayer();
    AILayerHandle AddNewLayer();
    void InsertStrokeAsPath(const Pelm::Stroke* stroke, AILayerHandle& layer);
    AIErr FixPathBrush();
    // Ink position (0.1 mm, y down) to document position (points, y up), the
    // drawing centred on an A4 page.
    void FixPelmPointAI(const Pelm::Point& point, AIRealPoint& result) const;

private:
    friend void FixupVTable(hlvexportfileplugin* plugin);
    hlvexportfileplugin(const hlvexportfileplugin&) = default;

    void CreateNamedStyle();
    // Makes one open path of the points first..last of the stroke.
    void insertPath(const Pelm::Stroke& stroke, unsigned long first, unsigned long last, AILayerHandle layer);
    AIArtHandle newPathIn(AILayerHandle layer);
    AIErr applyNamedStyle(AILayerHandle layer);

    AIFileFormatHandle fFileFormat;
    std::int32_t fAppMajorVersion;
    std::int32_t fAppMinorVersion;
    AIArtStyleHandle fNamedStyle;
    AIDocumentHandle fBrushLibrary;
    AIArtStyleHandle fLibraryArtStyle;
    AIDocumentSetup fDocumentSetup;
    float fDrawingWidth;
    float fDrawingHeight;
    Pelm::BindingRectangle fDrawingRect;
};

// Host paths hold at most this many segments (a signed 16-bit count).
constexpr unsigned long kMaxPathSegments = 32767;

#endif
