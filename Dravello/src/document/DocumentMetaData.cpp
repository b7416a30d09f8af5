#include "DocumentMetaData.h"

#include "AngleUnits.h"
#include "ApplSettings.h"
#include "Document.h"
#include "DocumentGraphicModel.h"
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

bool isWpiSuffix(const QString& suffix)
{
    static const QStringList suffixes{QStringLiteral("eli"), QStringLiteral("ELI"),
                                      QStringLiteral("WPI"), QStringLiteral("wpi")};
    return suffixes.contains(suffix, Qt::CaseSensitive);
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
    clearLoadedData();
    const QString suffix = QFileInfo(m_filePath).suffix();
    if (isWpiSuffix(suffix))
        return loadWpiFile();
    return false;
}

bool DocumentMetaData::buildScene()
{
    if (!hasDocument() || m_aborted)
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
}

bool DocumentMetaData::loadWpiFile()
{
    Pelm::WpiParser* parser = nullptr;
    {
        std::lock_guard<std::mutex> guard(m_readerLock);
        m_wpiParser = std::make_unique<Pelm::WpiParser>(QFile::encodeName(m_filePath).constData());
        parser = m_wpiParser.get();
    }
    bool loaded = false;
    if (parser->readDocFromFile()) {
        Pelm::SmartPointer<Pelm::WpiDocument>& read = parser->getDocument();
        m_document = DocumentPtr(read.GetData());
        read.SetData(nullptr);
        mindReaderPosition();
        loaded = m_document->loaded.Get();
    }
    std::unique_ptr<Pelm::WpiParser> finished;
    {
        std::lock_guard<std::mutex> guard(m_readerLock);
        finished = std::move(m_wpiParser);
    }
    return loaded;
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

void DocumentMetaData::clearLoadedData()
{
    releaseGraphicModel(m_graphicModel);
    m_document = DocumentPtr();
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

void DocumentMetaData::undoAdjustmentShift()
{
    if (hasDocument())
        m_document->shift(-m_adjustmentShift.x(), -m_adjustmentShift.y());
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
    merged->setGraphicModel(new DocumentGraphicModel(*document, merged->m_paintFormat));
    return merged;
}

bool DocumentMetaData::addLayer(int index, const Pelm::Layer& layer,
                                const LayerGroupContainer& container)
{
    if (!hasDocument() || index < 0 ||
        !m_document->insertBefore(static_cast<unsigned long>(index), layer))
        return false;
    if (DocumentGraphicModel* model = m_graphicModel.GetData())
        model->InsertLayer(index, container);
    return true;
}

bool DocumentMetaData::deleteLayer(int index, Pelm::Layer& layer, LayerGroupContainer& container)
{
    if (!hasDocument() || index < 0 || !m_document->at(static_cast<unsigned long>(index), layer))
        return false;
    if (DocumentGraphicModel* model = m_graphicModel.GetData())
        model->RemoveLayer(index, container);
    m_document->eraseAt(static_cast<unsigned long>(index));
    return true;
}
