// Two InkML files merged as the thumbnail list merges a dragged sketch into
// another: the input is split at the first separator line into the two
// files (without one, the file is merged with a copy of itself), both are
// read into records with their scenes, the records are merged, and the
// merged sketch is saved as the main window saves it and read back.

#include "DocumentMetaData.h"
#include "FuzzSurroundings.h"
#include "InkMLDefinitions.h"
#include "SketchInkWriter.h"

#include "Document.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const char kSeparator[] = "\n--8<--\n";

// The program's surroundings, made once: an offscreen application for the
// scenes, and an empty system root and home.
struct Surroundings {
    Surroundings()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_merge";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QApplication>(argc, argv);
    }

    QString file(const char* name) const { return scratch.file(name); }

    fuzzsupport::ScratchSurroundings scratch;
    std::unique_ptr<QApplication> application;
};

Surroundings& surroundings()
{
    // Destroyed at exit, which removes the scratch folder.
    static Surroundings made;
    return made;
}

void writeFile(const QString& path, const char* data, std::size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size))
        std::abort();
}

unsigned long layersOf(const DocumentMetaData& record)
{
    return record.hasDocument() ? record.m_document->getSize() : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Surroundings& s = surroundings();
    const char* text = reinterpret_cast<const char*>(data);
    const char* separator = static_cast<const char*>(
        memmem(text, size, kSeparator, sizeof kSeparator - 1));
    const std::size_t firstSize = separator ? static_cast<std::size_t>(separator - text) : size;
    const char* second = separator ? separator + sizeof kSeparator - 1 : text;
    const std::size_t secondSize = separator ? size - firstSize - (sizeof kSeparator - 1) : size;

    const QString draggedPath = s.file("dragged.inkml");
    const QString targetPath = s.file("target.hlv");
    writeFile(draggedPath, text, firstSize);
    writeFile(targetPath, second, secondSize);

    DocumentMetaData dragged(draggedPath);
    DocumentMetaData target(targetPath);
    if (!dragged.loadDataFile() || !target.loadDataFile())
        return 0;
    const std::unique_ptr<DocumentMetaData> merged(dragged.appendDocument(target));
    if (!merged || layersOf(*merged) != layersOf(dragged) + layersOf(target))
        std::abort();
    merged->m_filePath = s.file("dragged_target.hlv");

    Pelm::DefaultInkMLDefinitions defaults;
    if (!writeSketchInkML(*merged, sceneRotation(*merged), merged->m_filePath, defaults))
        std::abort();
    DocumentMetaData reread(merged->m_filePath);
    if (!reread.loadDocumentFromFile() || layersOf(reread) != layersOf(*merged))
        std::abort();
    return 0;
}
