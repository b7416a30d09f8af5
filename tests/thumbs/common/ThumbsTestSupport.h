#ifndef DRAVELLO_TESTS_THUMBSTESTSUPPORT_H
#define DRAVELLO_TESTS_THUMBSTESTSUPPORT_H

// What the thumbnail list tests share: a list showing a folder of sketch
// files, its thumbnails by name, and loaded sketch records.

#include "DocumentMetaData.h"
#include "DocumentMetadataKeeper.h"
#include "LoaderTestSupport.h"
#include "PreviewThumbnailList.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

namespace thumbstest {

// The list's loader has reported the end of the page requested from now on.
class PageWait {
public:
    explicit PageWait(PreviewThumbnailList& list)
        : m_finished(&list, &PreviewThumbnailList::loaderFinishedWorkSgnl)
    {
    }
    bool done() { return QTest::qWaitFor([this] { return m_finished.count() > 0; }, 20000); }

private:
    QSignalSpy m_finished;
};

// Shows the folder and waits for its first page.
inline bool showFolder(PreviewThumbnailList& list, const QDir& folder)
{
    PageWait page(list);
    list.previewEliFiles(folder);
    return page.done();
}

inline QStringList thumbnailNames(const PreviewThumbnailList& list)
{
    QStringList names;
    for (int row = 0; row < list.count(); ++row)
        names << list.item(row)->text();
    return names;
}

inline DocumentMetadataKeeper* thumbnailOf(const PreviewThumbnailList& list, const QString& name)
{
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->text() == name)
            return dynamic_cast<DocumentMetadataKeeper*>(list.item(row));
    return nullptr;
}

// The file read into a record with its scene; empty when it does not load.
inline MetadataPtr loadedSketch(const QString& path)
{
    MetadataPtr record(new DocumentMetaData(path));
    if (!record->loadDataFile())
        return MetadataPtr();
    return record;
}

inline QStringList namesOf(const QStringList& paths)
{
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    return names;
}

} // namespace thumbstest

#endif
