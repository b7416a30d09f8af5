#include "DocumentMetaData.h"

#include "AngleUnits.h"
#include "ApplSettings.h"
#include "Document.h"
#include "DocumentGraphicModel.h"
#include "DocumentReader.h"
#include "InkMLDefinitions.h"
#include "LayerGroupContainer.h"
#include "PaperRectangle.h"
#include "ReceiverPosition.h"
#include "WpiParser.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QThread>

namespace {

enum class SketchFileKind { Wpi, InkML, Unknown };

// By the text after the last dot of the file name, case-sensitive.
SketchFileKind kindOfFile(const QString& path)
{
    static const QStringList wpiSuffixes{QStringLiteral("eli"), QStringLiteral("ELI"),
                                         QStringLiteral("WPI"), QStringLiteral("wpi")};
    static const QStringList inkSuffixes{QStringLiteral("inkml"), QStringLiteral("INKML"),
                                         QStringLiteral("hlv"), QStringLiteral("HLV")};
    const QString suffix = QFileInfo(path).suffix();
    if (wpiSuffixes.contains(suffix, Qt::CaseSensitive))
        return SketchFileKind::Wpi;
    if (inkSuffixes.contains(suffix, Qt::CaseSensitive))
        return SketchFileKind::InkML;
    return SketchFileKind::Unknown;
}

// Drops the handle's reference. A scene belongs to the thread it was made on
// (the GUI thread): from any other thread the reference is handed over to
// that thread's event loop, so that the last release, which destroys the
// scene, happens there.
void releaseGraphicModel(DocumentMetaData::GraphicModelPtr& model)
{
    QCoreApplication* application = QCoreApplication::instance();
    DocumentGraphicModel* scene = model.GetData();
    if (scene && application && scene->thread() != QThread::currentThread()) {
        QMetaObject::invokeMethod(
            application, [kept = model]() mutable { kept.Release(); }, Qt::QueuedConnection);
    }
    model = DocumentMetaData::GraphicModelPtr();
}

void appendLayers(Pelm::Document& source, Pelm::Document& target)
{
    Pelm::Layer* layer = nullptr;
    for (unsigned long i = 0; source.at(i, &layer); ++i)
        target.addElement(*layer);
}

} // namespace

DocumentMetaData::DocumentMetaData(const QString& path) : m_filePath(path) {}

DocumentMetaData::DocumentMetaData(const QString& path, const PaintFormat& format)
    : m_filePath(path), m_paintFormat(format)
{
}

DocumentMetaData::DocumentMetaData(const DocumentMetaData& other, bool centre)
    : m_filePath(other.m_filePath), m_paintFormat(other.m_paintFormat), m_centred(centre)
{
    if (!other.hasDocument())
        return;
    m_document = DocumentPtr(new Pelm::Document(*other.m_document.GetData()));
    copyDefinitionsOf(other);
    if (!centre) {
        setGraphicModel(new DocumentGraphicModel(*m_document.GetData(), m_paintFormat));
        return;
    }
    const QRectF paper = doAdjustmentShift();
    auto* model = new DocumentGraphicModel(*m_document.GetData(), m_paintFormat, paper);
    if (const DocumentGraphicModel* source = other.m_graphicModel.GetData()) {
        model->setPaintRotation(source->paintRotation());
        model->setPaintShift(static_cast<float>(source->paintShift().x()),
                             static_cast<float>(source->paintShift().y()));
    }
    setGraphicModel(model);
}

DocumentMetaData::~DocumentMetaData() { releaseGraphicModel(m_graphicModel); }

bool DocumentMetaData::isLoaded() const { return hasDocument() && m_document->loaded.Get(); }

bool DocumentMetaData::loadDocumentFromFile()
{
    m_aborted = false;
    switch (kindOfFile(m_filePath)) {
    case SketchFileKind::Wpi:
        return loadWpiFile();
    case SketchFileKind::InkML:
        return loadInkMLFile();
    case SketchFileKind::Unknown:
        break;
    }
    return false;
}

bool DocumentMetaData::buildScene()
{
    if (!hasDocument() || m_graphicModel.GetData() || m_aborted)
        return false;
    setGraphicModel(new DocumentGraphicModel(*m_document.GetData(), m_paintFormat));
    return true;
}

bool DocumentMetaData::loadDataFile()
{
    const bool loaded = loadDocumentFromFile();
    buildScene();
    return loaded;
}

void DocumentMetaData::abortLoadFromFile()
{
    std::lock_guard<std::mutex> guard(m_readerLock);
    if (m_wpiParser) {
        m_wpiParser->abort();
        m_aborted = true;
    }
    if (m_inkReader) {
        m_inkReader->abort();
        m_aborted = true;
    }
}

template <typename Reader, typename Read>
bool DocumentMetaData::readWith(std::unique_ptr<Reader>& slot, std::unique_ptr<Reader> reader,
                                Read read)
{
    Reader* running = reader.get();
    {
        std::lock_guard<std::mutex> guard(m_readerLock);
        slot = std::move(reader);
    }
    const bool result = read(*running);
    std::unique_ptr<Reader> finished;
    {
        std::lock_guard<std::mutex> guard(m_readerLock);
        finished = std::move(slot);
    }
    return result;
}

bool DocumentMetaData::loadWpiFile()
{
    const QByteArray path = QFile::encodeName(m_filePath);
    return readWith(m_wpiParser, std::make_unique<Pelm::WpiParser>(path.constData()),
                    [this](Pelm::WpiParser& parser) {
                        if (!parser.readDocFromFile())
                            return false;
                        // The record takes the document over; the parser lets go of it.
                        Pelm::SmartPointer<Pelm::WpiDocument>& read = parser.getDocument();
                        takeReadDocument(DocumentPtr(read.GetData()));
                        read.SetData(nullptr);
                        mindReaderPosition();
                        return m_document->loaded.Get();
                    });
}

// InkML sketches get no receiver-position correction.
bool DocumentMetaData::loadInkMLFile()
{
    const QByteArray path = QFile::encodeName(m_filePath);
    return readWith(m_inkReader, std::make_unique<Pelm::DocumentReader>(path.constData()),
                    [this](Pelm::DocumentReader& reader) {
                        if (!reader.readDocFromFile())
                            return false;
                        takeReadDocument(reader.getDocument());
                        m_inkDefinitions = reader.getInkData();
                        return m_document->loaded.Get();
                    });
}

void DocumentMetaData::mindReaderPosition()
{
    QString angle;
    if (!ApplSettings::instance()->getAttrValueStrPreloaded(QStringLiteral("page_properties/page"),
                                                            QStringLiteral("angle"), angle)) {
        qDebug() << " mindReaderPosition cant find correct angle";
        return;
    }
    const std::optional<ReceiverCorrection> correction =
        receiverCorrection(angle, ApplSettings::instance()->getPaperSize());
    if (!correction)
        return;
    m_document->rotate(correction->radians);
    m_document->shift(correction->dx, correction->dy);
}

void DocumentMetaData::takeReadDocument(const DocumentPtr& document)
{
    // The scene drew the document that goes.
    releaseGraphicModel(m_graphicModel);
    m_document = document;
    m_thumbnail = QImage();
    m_thumbnailIcon = QImage();
}

void DocumentMetaData::copyDefinitionsOf(const DocumentMetaData& other)
{
    if (const Pelm::InkMLDefinitions* definitions = other.m_inkDefinitions.GetData())
        m_inkDefinitions = DefinitionsPtr(new Pelm::InkMLDefinitions(*definitions));
}

void DocumentMetaData::setGraphicModel(DocumentGraphicModel* model)
{
    releaseGraphicModel(m_graphicModel);
    m_graphicModel = GraphicModelPtr(model);
}

QRectF DocumentMetaData::doAdjustmentShift()
{
    const QRectF paper = centredPaperRectangle();
    m_adjustmentShift = QPointF(0.0, paper.top());
    if (hasDocument())
        m_document->shift(m_adjustmentShift.x(), m_adjustmentShift.y());
    return paper;
}

QRectF DocumentMetaData::centreInPlace()
{
    m_centred = true;
    return doAdjustmentShift();
}

void DocumentMetaData::undoAdjustmentShift()
{
    if (hasDocument())
        m_document->shift(-m_adjustmentShift.x(), -m_adjustmentShift.y());
}

void DocumentMetaData::reapplyAdjustmentShift()
{
    if (hasDocument())
        m_document->shift(m_adjustmentShift.x(), m_adjustmentShift.y());
}

DocumentMetaData* DocumentMetaData::appendDocument(const DocumentMetaData& other) const
{
    if (!isLoaded() || !other.isLoaded())
        return nullptr;
    auto* merged = new DocumentMetaData(m_filePath);
    auto* document = new Pelm::Document;
    document->loaded.Set(true);
    appendLayers(*m_document.GetData(), *document);
    appendLayers(*other.m_document.GetData(), *document);
    merged->m_document = DocumentPtr(document);
    merged->copyDefinitionsOf(*this);
    if (!merged->m_inkDefinitions.GetData())
        merged->m_inkDefinitions = DefinitionsPtr(new Pelm::InkMLDefinitions);
    if (const Pelm::InkMLDefinitions* definitions = other.m_inkDefinitions.GetData())
        merged->m_inkDefinitions->append(*definitions);
    merged->setGraphicModel(new DocumentGraphicModel(*document, merged->m_paintFormat));
    return merged;
}

void DocumentMetaData::saveChanges2Doc(bool reset)
{
    DocumentGraphicModel* scene = m_graphicModel.GetData();
    if (!hasDocument() || !scene)
        return;
    m_document->rotate(degreesToRadians(scene->paintRotation()));
    if (!reset)
        return;
    scene->resetTransformations();
    m_document->shift(m_adjustmentShift.x(), m_adjustmentShift.y());
    scene->initialize(*m_document.GetData());
}

bool DocumentMetaData::sceneMatchesDocument() const
{
    const DocumentGraphicModel* model = m_graphicModel.GetData();
    return !model || model->layerGroups().size() == static_cast<qsizetype>(m_document->getSize());
}

bool DocumentMetaData::addLayer(int index, const Pelm::Layer& layer,
                                const LayerGroupContainer& container)
{
    if (!hasDocument() || index < 0 || !sceneMatchesDocument() ||
        !m_document->insertBefore(static_cast<unsigned long>(index), layer))
        return false;
    if (DocumentGraphicModel* model = m_graphicModel.GetData())
        model->InsertLayer(index, container);
    return true;
}

bool DocumentMetaData::deleteLayer(int index, Pelm::Layer& layer, LayerGroupContainer& container)
{
    if (!hasDocument() || index < 0 || !sceneMatchesDocument() ||
        !m_document->at(static_cast<unsigned long>(index), layer))
        return false;
    if (DocumentGraphicModel* model = m_graphicModel.GetData())
        model->RemoveLayer(index, container);
    m_document->eraseAt(static_cast<unsigned long>(index));
    return true;
}
