#include "SketchDrag.h"

#include <QByteArray>
#include <QDataStream>
#include <QDropEvent>
#include <QIODevice>
#include <QMimeData>

const char* const kSketchDragFormat = "image/x-nivok-piece";

QMimeData* newSketchDragData(const QString& path)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << path;
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kSketchDragFormat), payload);
    return data;
}

bool carriesSketch(const QMimeData* data)
{
    return data && data->hasFormat(QString::fromLatin1(kSketchDragFormat));
}

bool acceptSketchMove(QDropEvent* event)
{
    if (!carriesSketch(event->mimeData())) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    return true;
}

QString draggedSketchPath(const QMimeData* data)
{
    if (!carriesSketch(data))
        return QString();
    QDataStream stream(data->data(QString::fromLatin1(kSketchDragFormat)));
    QString path;
    stream >> path;
    return stream.status() == QDataStream::Ok ? path : QString();
}
