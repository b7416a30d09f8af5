#ifndef DRAVELLO_DOCUMENT_DOCUMENTMETADATA_H
#define DRAVELLO_DOCUMENT_DOCUMENTMETADATA_H

#include "MetadataPtr.h"
#include "PaintFormat.h"
#include "SmartPointer.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

class DocumentGraphicModel;
class LayerGroupContainer;

namespace Pelm {
class Document;
class DocumentReader;
class InkMLDefinitions;
class Layer;
class WpiParser;
}

// One sketch file in memory: the ink document read from it, the InkML
// definitions that came with it, the scene that draws it, its path and the
// pen it is drawn with.
//
// Loading comes in two steps so that files can be read on a worker thread:
// loadDocumentFromFile() reads and corrects the document and may run on any
// thread; buildScene() makes the scene and must run on the GUI thread.
// loadDataFile() does both, for GUI-thread callers. A record whose load
// failed has no document; every operation treats it as an empty, unloaded
// sketch. Releasing the last reference to a record on another thread hands
// its scene to the GUI thread to be destroyed there.
class DocumentMetaData {
public:
    using DocumentPtr = Pelm::SmartPointer<Pelm::Document>;
    using DefinitionsPtr = Pelm::SmartPointer<Pelm::InkMLDefinitions>;
    using GraphicModelPtr = Pelm::SmartPointer<DocumentGraphicModel>;

    // An empty record for the file; the pen comes from the settings.
    explicit DocumentMetaData(const QString& path);
    DocumentMetaData(const QString& path, const PaintFormat& format);
    // A deep copy with its own scene. centre: the copy's document is moved by
    // doAdjustmentShift() and drawn in pressure outlines on the centred paper,
    // with the source scene's rotation and shift; otherwise thin polylines.
    // GUI thread.
    DocumentMetaData(const DocumentMetaData& other, bool centre);
    DocumentMetaData(const DocumentMetaData&) = delete;
    DocumentMetaData& operator=(const DocumentMetaData&) = delete;
    ~DocumentMetaData();

    // Reads the file by its suffix ("wpi", "WPI", "eli", "ELI" through the WPI
    // reader, "inkml", "INKML", "hlv", "HLV" through the InkML reader) and
    // turns a WPI sketch by the receiver position of the settings. A read
    // that succeeds replaces the document (and, from an InkML file, the
    // definitions) and drops the scene; a failed read or an unknown suffix
    // leaves the record as it was. True when a loaded document was read.
    // Any thread.
    bool loadDocumentFromFile();
    // Makes the scene from the document unless there is none, the record has
    // a scene already, or its load was aborted. GUI thread.
    bool buildScene();
    // Both steps. GUI thread.
    bool loadDataFile();
    // Stops a load running on another thread at the reader's next poll.
    void abortLoadFromFile();

    bool hasDocument() const { return m_document.GetData() != nullptr; }
    bool isLoaded() const;

    // Moves the document up by half the settings' paper height (kept as the
    // adjustment shift) and returns the paper centred on the origin.
    QRectF doAdjustmentShift();
    // Makes the record what its centring copy would be, without copying:
    // the document moved by doAdjustmentShift(), marked centred; returns the
    // centred paper. For a record without a scene (one just read); any
    // thread.
    QRectF centreInPlace();
    // Moves the document back by the adjustment shift.
    void undoAdjustmentShift();
    // Moves the document by the stored adjustment shift again, after
    // undoAdjustmentShift(); an uncentred record stays where it is.
    void reapplyAdjustmentShift();

    // Turns the document by the scene's rotation. With reset the scene's
    // transformations are cleared, the document is moved by the adjustment
    // shift and the scene's layers are drawn again from it. GUI thread.
    void saveChanges2Doc(bool reset);

    // A new record (the caller owns it) with this record's layers and then
    // the other's, and the definitions of both, drawn with the settings' pen;
    // null unless both are loaded. GUI thread.
    DocumentMetaData* appendDocument(const DocumentMetaData& other) const;

    // The layer and its detached scene items go in before `index`. Both
    // operations refuse, changing nothing, when the scene's layer count is not
    // the document's.
    bool addLayer(int index, const Pelm::Layer& layer, const LayerGroupContainer& container);
    // Layer `index` is copied into `layer`, its scene items are taken into
    // `container`, and it leaves the document.
    bool deleteLayer(int index, Pelm::Layer& layer, LayerGroupContainer& container);

    DocumentPtr m_document;
    // Only for sketches read from InkML files (and their copies and merges).
    DefinitionsPtr m_inkDefinitions;
    GraphicModelPtr m_graphicModel;
    QString m_filePath;
    PaintFormat m_paintFormat;
    bool m_centred = false;
    // In tenths of a millimetre; (0, 0) unless the record was centred.
    QPointF m_adjustmentShift;
    // The thumbnail picture of the document and the picture of its icon,
    // when the background loader drew them; null otherwise.
    QImage m_thumbnail;
    QImage m_thumbnailIcon;

private:
    bool loadWpiFile();
    bool loadInkMLFile();
    // Keeps the reader where abortLoadFromFile() finds it while read(reader)
    // runs, then destroys it.
    template <typename Reader, typename Read>
    bool readWith(std::unique_ptr<Reader>& slot, std::unique_ptr<Reader> reader, Read read);
    void mindReaderPosition();
    bool sceneMatchesDocument() const;
    void copyDefinitionsOf(const DocumentMetaData& other);
    void takeReadDocument(const DocumentPtr& document);
    void setGraphicModel(DocumentGraphicModel* model);

    // Guards the reader pointers against an abort from another thread.
    std::mutex m_readerLock;
    std::unique_ptr<Pelm::WpiParser> m_wpiParser;
    std::unique_ptr<Pelm::DocumentReader> m_inkReader;
    std::atomic<bool> m_aborted{false};
};

#endif
