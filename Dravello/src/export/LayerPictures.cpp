#include "LayerPictures.h"

#include "DocumentGraphicModel.h"
#include "ExportProgress.h"
#include "GraphicsItemsGroup.h"
#include "SceneRendering.h"

#include <QPixmap>

namespace {

// Progress steps besides one per layer.
constexpr int kFixedSteps = 8;
// Layers that fit the dialog's plain range of 10.
constexpr int kLayersInPlainRange = 7;

bool savePng(const QPixmap& picture, const QString& path) { return savePicture(picture, path, "PNG"); }

} // namespace

LayerPictures::LayerPictures(DocumentGraphicModel& model)
    : m_model(model), m_paperShown(model.hasBackground()), m_backgroundBrush(model.backgroundBrush())
{
    for (const GraphicsItemsGroup* group : model.layerGroups())
        m_painted.append(group->isPainted());
}

LayerPictures::~LayerPictures()
{
    for (int i = 0; i < m_painted.size(); ++i)
        m_model.setLayerPaintMode(i, m_painted.at(i));
    if (m_paperShown)
        m_model.showBackground(true, true);
    m_model.setBackgroundBrush(m_backgroundBrush);
}

bool LayerPictures::write(const QString& folder, ExportProgress& progress, QString& failed)
{
    m_model.showBackground(false, false);
    const int count = m_model.layerGroups().size();
    if (count > kLayersInPlainRange)
        progress.setMaximum(count + kFixedSteps);
    for (int i = 0; i < count; ++i)
        m_model.setLayerPaintMode(i, false);
    progress.advance();

    QPixmap background(pictureSize());
    background.fill(Qt::white);
    const QString backgroundPath = folder + "/background.png";
    if (!savePng(background, backgroundPath)) {
        failed = backgroundPath;
        return false;
    }
    progress.advance();

    for (int i = 0; i < count; ++i) {
        const QString path = folder + "/" + QString::number(count - i) + ".png";
        if (!writeLayer(i, path)) {
            failed = path;
            return false;
        }
        progress.setValue(i + 3);
    }
    return true;
}

QSize LayerPictures::pictureSize() const
{
    return truncatedSize(m_model.sceneRect().size());
}

bool LayerPictures::writeLayer(int index, const QString& path)
{
    m_model.setLayerPaintMode(index, true);
    QPixmap picture(pictureSize());
    picture.fill(Qt::transparent);
    const bool saved = paintScene(picture, &m_model, QRectF()) && savePng(picture, path);
    m_model.setLayerPaintMode(index, false);
    return saved;
}
