#include "SketchInkFile.h"

#include "AngleUnits.h"
#include "Document.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "DocumentSerializer.h"
#include "InkMLDefinitions.h"

#include <QDir>

bool writeSketchInkFile(const DocumentMetaData& record, const QString& path)
{
    if (!record.hasDocument())
        return false;
    Pelm::Document copy(*record.m_document.GetData());
    if (const DocumentGraphicModel* model = record.m_graphicModel.GetData())
        copy.rotate(degreesToRadians(model->paintRotation()));
    copy.shift(-record.m_adjustmentShift.x(), -record.m_adjustmentShift.y());

    Pelm::DefaultInkMLDefinitions defaults;
    Pelm::InkMLDefinitions* own = record.m_inkDefinitions.GetData();
    Pelm::InkMLDefinitions& definitions = own ? *own : defaults;
    Pelm::DocumentSerializer serializer(copy);
    return serializer.Serialize(QDir::toNativeSeparators(path).toUtf8().constData(), definitions);
}
