#ifndef DRAVELLO_THUMBS_THUMBNAILLISTVISITOR_H
#define DRAVELLO_THUMBS_THUMBNAILLISTVISITOR_H

#include <QString>
#include <Qt>

class DocumentMetadataKeeper;

// A walk over the thumbnails of the list; visit() returns false to stop it.
class ThumbnailListVisitor {
public:
    virtual ~ThumbnailListVisitor() = default;
    virtual bool visit(DocumentMetadataKeeper* keeper) = 0;
};

// Finds the thumbnail of a sketch file by its exact path.
class ItemFinderByFileName : public ThumbnailListVisitor {
public:
    explicit ItemFinderByFileName(const QString& path) : m_path(path) {}
    bool visit(DocumentMetadataKeeper* keeper) override;
    DocumentMetadataKeeper* found() const { return m_found; }

private:
    DocumentMetadataKeeper* m_found = nullptr;
    QString m_path;
};

// Rescales every thumbnail's drawn picture to one cell size.
class Resizer : public ThumbnailListVisitor {
public:
    Resizer(int size, Qt::TransformationMode mode) : m_size(size), m_mode(mode) {}
    bool visit(DocumentMetadataKeeper* keeper) override;

private:
    int m_size;
    Qt::TransformationMode m_mode;
};

#endif
