#include "DocumentMetadataKeeper.h"

#include "DocumentMetaData.h"

#include <QFileInfo>
#include <QIcon>

DocumentMetadataKeeper::DocumentMetadataKeeper(const QString& path, const QPixmap& thumbnail,
                                               const QPixmap& iconPicture)
    : QListWidgetItem(QIcon(iconPicture), QFileInfo(path).fileName()),
      m_metadata(new DocumentMetaData(path)),
      m_thumbnail(std::make_unique<QPixmap>(thumbnail))
{
}

// The picture goes first, then the reference to the record.
DocumentMetadataKeeper::~DocumentMetadataKeeper()
{
    m_thumbnail.reset();
    m_metadata.Release();
}

void DocumentMetadataKeeper::showScaled(int size, Qt::TransformationMode mode)
{
    setIcon(QIcon(m_thumbnail->scaled(size, size, Qt::KeepAspectRatio, mode)));
    setSizeHint(QSize(size, size));
}

void DocumentMetadataKeeper::moveTo(const QString& path)
{
    m_metadata->m_filePath = path;
    setText(QFileInfo(path).fileName());
    setToolTip(path);
    setData(Qt::UserRole, path);
}
