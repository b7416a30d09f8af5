#ifndef DRAVELLO_THUMBS_DOCUMENTMETADATAKEEPER_H
#define DRAVELLO_THUMBS_DOCUMENTMETADATAKEEPER_H

#include "MetadataPtr.h"

#include <QListWidgetItem>
#include <QPixmap>

#include <memory>

// One thumbnail: its picture at the size it was drawn and an unloaded record
// of the sketch file, read again whenever the sketch is used.
class DocumentMetadataKeeper : public QListWidgetItem {
public:
    // The icon shows iconPicture (the picture, or the picture already scaled
    // to the view's icon size).
    DocumentMetadataKeeper(const QString& path, const QPixmap& thumbnail, const QPixmap& iconPicture);
    ~DocumentMetadataKeeper() override;

    const MetadataPtr& metadata() const { return m_metadata; }
    // The picture as drawn, never a rescaled one.
    const QPixmap& thumbnail() const { return *m_thumbnail; }
    // The icon becomes the picture scaled to size x size.
    void showScaled(int size, Qt::TransformationMode mode);
    // The file now has the path `path`.
    void moveTo(const QString& path);

private:
    MetadataPtr m_metadata;
    std::unique_ptr<QPixmap> m_thumbnail;
};

#endif
