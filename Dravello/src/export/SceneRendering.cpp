#include "SceneRendering.h"

#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "FileCopy.h"
#include "GraphicsItemsGroup.h"

#include <QBuffer>
#include <QGraphicsScene>
#include <QPainter>
#include <QPixmap>
#include <QTransform>

bool paintScene(QPaintDevice& device, QGraphicsScene* scene, const QRectF& source)
{
    if (!scene)
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(QTransform().scale(1.0, 1.0), false);
    scene->render(&painter, QRectF(), source, Qt::KeepAspectRatio);
    return painter.end();
}

bool writeRenderedFile(const QString& path, const std::function<bool(QIODevice&)>& render)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !render(buffer))
        return false;
    buffer.close();
    return !bytes.isEmpty() && replaceFileWith(path, bytes);
}

bool savePicture(const QPixmap& picture, const QString& path, const char* format)
{
    return writeRenderedFile(path, [&](QIODevice& device) { return picture.save(&device, format, 100); });
}

std::unique_ptr<DocumentGraphicModel> inkSceneOf(const DocumentMetaData& record)
{
    const DocumentGraphicModel* shown = record.m_graphicModel.GetData();
    Pelm::Document* document = record.m_document.GetData();
    if (!shown || !document)
        return nullptr;
    auto ink = shown->isOutline()
                   ? std::make_unique<DocumentGraphicModel>(*document, record.m_paintFormat,
                                                            shown->paperRectangle())
                   : std::make_unique<DocumentGraphicModel>(*document, record.m_paintFormat);
    ink->setPaintRotation(shown->paintRotation());
    ink->setPaintShift(static_cast<float>(shown->paintShift().x()),
                       static_cast<float>(shown->paintShift().y()));
    if (shown->hasBackground())
        ink->showBackground(true, false);
    ink->setBackgroundBrush(shown->backgroundBrush());
    const QList<GraphicsItemsGroup*>& shownLayers = shown->layerGroups();
    for (int i = 0; i < ink->layerGroups().size(); ++i)
        ink->setLayerPaintMode(i, i >= shownLayers.size() || shownLayers.at(i)->isPainted());
    ink->setSceneRect(shown->sceneRect());
    return ink;
}
