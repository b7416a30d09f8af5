#include "SketchInkWriter.h"

#include "AngleUnits.h"
#include "Document.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "DocumentSerializer.h"
#include "InkMLDefinitions.h"

#include <QDir>
#include <QFile>

bool writeSketchInkML(const DocumentMetaData& record, int degrees, const QString& path,
                      Pelm::InkMLDefinitions& fallback)
{
    if (!record.hasDocument())
        return false;
    Pelm::Document copy(*record.m_document.GetData());
    copy.rotate(degreesToRadians(degrees));
    copy.shift(-record.m_adjustmentShift.x(), -record.m_adjustmentShift.y());
    Pelm::InkMLDefinitions* own = record.m_inkDefinitions.GetData();
    Pelm::DocumentSerializer serializer(copy);
    return serializer.Serialize(QFile::encodeName(QDir::toNativeSeparators(path)).constData(),
                                own ? *own : fallback);
}

int sceneRotation(const DocumentMetaData& record)
{
    const DocumentGraphicModel* scene = record.m_graphicModel.GetData();
    return scene ? scene->paintRotation() : 0;
}
