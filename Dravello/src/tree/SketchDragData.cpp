#include "SketchDragData.h"

#include <QDataStream>
#include <QIODevice>

const char* const kSketchDragFormat = "image/x-nivok-piece";

QByteArray encodeSketchDragData(const QString& path)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream << path;
    return data;
}

QString decodeSketchDragData(const QByteArray& data)
{
    QDataStream stream(data);
    QString path;
    stream >> path;
    return stream.status() == QDataStream::Ok ? path : QString();
}
