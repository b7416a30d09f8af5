#ifndef DRAVELLO_TESTS_LOADERTESTSUPPORT_H
#define DRAVELLO_TESTS_LOADERTESTSUPPORT_H

// What the loader tests and benchmark share: folders of sketch files made in
// the scratch area, and a log of everything a loader emits.

#include "ApplSettings.h"
#include "DocumentMetaData.h"
#include "LoaderThread.h"
#include "MetadataPtr.h"
#include "SketchTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace loadertest {

// Strokes of `pointsEach` points written in rows down the page, shared out
// over `layers` layers.
inline sketchtest::SketchSpec sketchOf(int strokes, int pointsEach = 20, int layers = 1)
{
    sketchtest::SketchSpec sketch(static_cast<std::size_t>(layers));
    for (int s = 0; s < strokes; ++s) {
        sketchtest::StrokeSpec stroke;
        const double top = 100.0 + (s / 25) % 90 * 30.0;
        const double left = 100.0 + s % 25 * 75.0;
        for (int i = 0; i < pointsEach; ++i)
            stroke.push_back({left + 60.0 * i / pointsEach, top + (i % 7) * 2.0,
                              static_cast<unsigned int>(200 + (i * 37) % 900)});
        sketch[static_cast<std::size_t>(s % layers)].push_back(stroke);
    }
    return sketch;
}

// The name filters of the settings ("fileformats/extensions").
inline QString sketchFilters()
{
    QString filters;
    ApplSettings::instance()->getAttrValueStr(QStringLiteral("fileformats/extensions"),
                                              QStringLiteral("list"), filters);
    return filters;
}

// A loader with the settings' name filters.
inline std::unique_ptr<LoaderThread> newLoader()
{
    auto loader = std::make_unique<LoaderThread>();
    loader->setFileExtentionsList(sketchFilters());
    return loader;
}

// A folder below the scratch folder; made on construction.
class SketchFolder {
public:
    SketchFolder(const sketchtest::SketchEnvironment& environment, const std::string& name)
        : m_root(environment.file(name))
    {
        std::filesystem::create_directories(m_root);
    }

    QString path() const { return QString::fromStdString(m_root); }
    QDir dir() const { return QDir(path()); }
    std::string file(const std::string& name) const { return m_root + "/" + name; }
    QString filePath(const std::string& name) const { return QString::fromStdString(file(name)); }

    void addWpi(const std::string& name, const sketchtest::SketchSpec& sketch) const
    {
        sketchtest::wpiSketch(sketch).writeTo(file(name));
    }

    // `count` files name_000.wpi ... of the same sketch.
    void addWpiFiles(const std::string& name, int count, const sketchtest::SketchSpec& sketch) const
    {
        const testsupport::WpiBuilder bytes = sketchtest::wpiSketch(sketch);
        for (int i = 0; i < count; ++i) {
            std::string number = std::to_string(i);
            number.insert(0, 3 - std::min<std::size_t>(3, number.size()), '0');
            bytes.writeTo(file(name + "_" + number + ".wpi"));
        }
    }

    void addText(const std::string& name, const std::string& text) const
    {
        std::ofstream(file(name), std::ios::binary) << text;
    }

    // The folder as the loader lists it.
    QStringList listing() const
    {
        return getDirContent(path(), QDir::Files | QDir::Readable,
                             sketchFilters().split(QLatin1Char(' '), Qt::KeepEmptyParts));
    }

private:
    std::string m_root;
};

// Everything a loader emits, in the order it reaches the GUI thread. Records
// that arrive are kept, so their scenes can be built and checked.
class LoaderLog {
public:
    enum class Kind { Count, Record, Chunk, Finished, Cleared };
    struct Event {
        Event(Kind kind_, qint64 first_ = 0, qint64 second_ = 0, const QString& path_ = QString())
            : kind(kind_), first(first_), second(second_), path(path_)
        {
        }
        Kind kind;
        qint64 first;
        qint64 second;
        QString path;
    };

    explicit LoaderLog(LoaderThread& loader)
    {
        QObject::connect(&loader, &LoaderThread::filesCountSignal, &m_context,
                         [this](int count) { events.push_back({Kind::Count, count}); });
        QObject::connect(&loader, &LoaderThread::fileDocumentMetaDataReady, &m_context,
                         [this](DocumentMetaData* record, uint index) {
                             events.push_back({Kind::Record, index, 0, record->m_filePath});
                             records.emplace_back(record);
                         });
        QObject::connect(&loader, &LoaderThread::filesLoadProgressChunkDone, &m_context,
                         [this](uint count, uint index) {
                             events.push_back({Kind::Chunk, count, index});
                         });
        QObject::connect(&loader, &LoaderThread::loadFilesFinishedSgnl, &m_context,
                         [this] { events.push_back({Kind::Finished}); });
        QObject::connect(&loader, &LoaderThread::clearThumbnailListWidgetSignal, &m_context,
                         [this] { events.push_back({Kind::Cleared}); });
    }

    // The events since the last filesCountSignal, that signal included.
    std::vector<Event> lastPass() const
    {
        auto start = events.end();
        while (start != events.begin() && (start - 1)->kind != Kind::Count)
            --start;
        if (start != events.begin())
            --start;
        return std::vector<Event>(start, events.end());
    }

    // The last pass reached the end of its range.
    bool passEnded() const
    {
        return !events.empty() &&
            (events.back().kind == Kind::Finished || events.back().kind == Kind::Chunk);
    }

    std::vector<Event> events;
    std::vector<MetadataPtr> records;

private:
    QObject m_context;
};

// Test output for an event.
inline QString describe(const LoaderLog::Event& event)
{
    static const char* const names[] = {"count", "record", "chunk", "finished", "cleared"};
    return QStringLiteral("%1(%2, %3) %4")
        .arg(QLatin1String(names[static_cast<int>(event.kind)]))
        .arg(event.first)
        .arg(event.second)
        .arg(QFileInfo(event.path).fileName());
}

} // namespace loadertest

#endif
