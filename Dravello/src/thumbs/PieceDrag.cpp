#include "PieceDrag.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

const char* const kPieceMimeType = "image/x-nivok-piece";

QMimeData* newPieceMimeData(const QString& path)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << path;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kPieceMimeType), payload);
    return data;
}

bool carriesPiece(const QMimeData* data)
{
    return data && data->hasFormat(QString::fromLatin1(kPieceMimeType));
}

QString piecePath(const QMimeData* data)
{
    if (!carriesPiece(data))
        return QString();
    QDataStream stream(data->data(QString::fromLatin1(kPieceMimeType)));
    QString path;
    stream >> path;
    return stream.status() == QDataStream::Ok ? path : QString();
}
