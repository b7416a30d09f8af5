#ifndef DRAVELLO_TESTS_RECORDINGFILEMANAGER_H
#define DRAVELLO_TESTS_RECORDINGFILEMANAGER_H

// A file manager for tests: records every file it was asked to show.

#include "FileManager.h"

#include <QStringList>

namespace testsupport {

class RecordingFileManager : public FileManager {
public:
    bool showItem(const QString& file) override
    {
        shown << file;
        return true;
    }

    QStringList shown;
};

} // namespace testsupport

#endif
