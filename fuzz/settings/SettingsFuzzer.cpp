// Feeds arbitrary bytes to the settings store as the user settings file: it
// is read (an unparsable one replaced by the factory file), the keys the
// program uses are looked up both ways and their colours parsed, the page
// and language are changed, and the document written out must parse again.

#include "ApplSettings.h"
#include "FuzzSurroundings.h"

#include <QByteArray>
#include <QColor>
#include <QDomDocument>
#include <QFile>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

struct Lookup {
    const char* key;
    const char* attribute;
};

const Lookup kLookups[] = {
    {"visuality_properties/default_pen", "rgba_color"},
    {"visuality_properties/default_pen", "width"},
    {"visuality_properties/default_pen", "ball_point_size"},
    {"visuality_properties/highlight_pen", "rgba_color"},
    {"visuality_properties/scrubber_left_pen", "rgba_color"},
    {"page_properties/page", "size"},
    {"page_properties/page", "orientation"},
    {"page_properties/page", "angle"},
    {"translator/language", "name"},
    {"startup_directory/directory", "path"},
    {"fileformats/extensions", "list"},
    {"no_group_or_entry", "list"},
};

// The store and its files, made once: the applications probe of the store's
// constructor scans an empty system root.
struct Surroundings {
    fuzzsupport::ScratchSurroundings scratch;
    ApplSettings settings;
    const QString userPath = scratch.file("user.xml");
    const QString writtenPath = scratch.file("written.xml");
    const QString factoryPath = QStringLiteral(DRAVELLO_FACTORY_SETTINGS);
};

Surroundings& surroundings()
{
    // Destroyed at exit, which removes the scratch folder.
    static Surroundings made;
    return made;
}

void writeFile(const QString& path, const std::uint8_t* data, std::size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
        std::abort();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Surroundings& s = surroundings();
    writeFile(s.userPath, data, size);
    if (!s.settings.readApplSettings(s.userPath, s.factoryPath))
        return 0;

    for (const Lookup& lookup : kLookups) {
        QString value;
        QColor colour;
        if (s.settings.getAttrValueStr(lookup.key, lookup.attribute, value))
            s.settings.str2Color(value, colour);
        if (s.settings.getAttrValueStrPreloaded(lookup.key, QString(lookup.attribute).toUpper(), value))
            s.settings.str2Color(value, colour);
    }
    s.settings.getOrientation();
    s.settings.getPaperSizeEnum();
    s.settings.setOrientation(ApplSettings::Landscape);
    s.settings.setPaperSizeEnum(ApplSettings::JuniorLegal);
    s.settings.setAttrValueStr("translator/language", "NAME", QStringLiteral("Deutsch"));
    s.settings.getPaperSize();

    // What the store writes parses again.
    if (s.settings.writeApplSettings(s.writtenPath) && !QDomDocument().setContent(readFile(s.writtenPath)))
        std::abort();
    return 0;
}
