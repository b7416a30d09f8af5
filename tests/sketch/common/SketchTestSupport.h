#ifndef DRAVELLO_TESTS_SKETCHTESTSUPPORT_H
#define DRAVELLO_TESTS_SKETCHTESTSUPPORT_H

// What the sketch tests share: the settings they run with, small sketches
// described by their points, WPI files made from them, and offscreen
// rendering with colour checks.

#include "ApplSettings.h"
#include "Document.h"
#include "EnvironmentOverride.h"
#include "ScratchDir.h"
#include "ScriptedPrompt.h"
#include "WpiBuilder.h"

#include <QColor>
#include <QFile>
#include <QGraphicsScene>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QtMath>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace sketchtest {

struct Sample {
    double x;
    double y;
    unsigned int pressure = 0;
};
using StrokeSpec = std::vector<Sample>;
using LayerSpec = std::vector<StrokeSpec>;
using SketchSpec = std::vector<LayerSpec>;

// The pen of tests/data/sketch/settings.xml.
inline QColor configuredInk() { return QColor(255, 0, 0); }
// A4 portrait, in tenths of a millimetre.
constexpr double kPaperWidth = 2100.0;
constexpr double kPaperHeight = 2970.0;

inline QString fixturePath(const QString& name)
{
    return QStringLiteral(DRAVELLO_TEST_DATA "/sketch/") + name;
}

// A temporary HOME and system root, a scripted prompt, and the settings
// store loaded from tests/data/sketch/settings.xml (red pen 3 wide, A4
// portrait, receiver angle 0).
class SketchEnvironment {
public:
    SketchEnvironment()
    {
        const QString user = QString::fromStdString(home.file("dravellouser.xml"));
        QFile::remove(user);
        if (!QFile::copy(fixturePath("settings.xml"), user))
            throw std::runtime_error("cannot copy the settings fixture");
        if (!ApplSettings::instance()->readApplSettings(user, fixturePath("settings.xml")))
            throw std::runtime_error("cannot read the settings fixture");
    }

    static void setAngle(const QString& angle)
    {
        ApplSettings::instance()->setAttrValueStr(QStringLiteral("page_properties/page"),
                                                 QStringLiteral("angle"), angle);
    }

    std::string file(const std::string& name) const { return work.file(name); }
    QString path(const std::string& name) const { return QString::fromStdString(work.file(name)); }

    testsupport::ScratchDir home;
    testsupport::ScratchDir systemRoot;
    testsupport::EnvironmentOverride homeOverride{"HOME", home.path().c_str()};
    testsupport::EnvironmentOverride rootOverride{"DRAVELLO_SYSTEM_ROOT", systemRoot.path().c_str()};
    ScriptedPrompt prompt;
    // Files of the test; also the current folder.
    testsupport::ScratchDir work{true};
};

inline Pelm::Document makeDocument(const SketchSpec& sketch)
{
    Pelm::Document document;
    for (const LayerSpec& layerSpec : sketch) {
        Pelm::Layer layer;
        for (const StrokeSpec& strokeSpec : layerSpec) {
            Pelm::Stroke stroke;
            for (const Sample& s : strokeSpec)
                stroke.addElement(Pelm::Point(s.x, s.y, 0.0, s.pressure, 0, 0, 0ul));
            layer.addElement(stroke);
        }
        document.addElement(layer);
    }
    document.loaded.Set(true);
    return document;
}

// The same sketch as a WPI file. Coordinates pass through the receiver's
// units (x * 10, y * 5), so they come back within a few hundredths.
inline testsupport::WpiBuilder wpiSketch(const SketchSpec& sketch)
{
    testsupport::WpiBuilder file;
    file.descriptor();
    for (std::size_t l = 0; l < sketch.size(); ++l) {
        if (l > 0)
            file.newLayer();
        for (const StrokeSpec& stroke : sketch[l]) {
            file.penDown();
            for (const Sample& s : stroke) {
                file.pressure(static_cast<std::uint16_t>(s.pressure));
                file.point(static_cast<std::int16_t>(std::lround(s.x * 10 - 5)),
                           static_cast<std::int16_t>(std::lround(s.y * 5 - 2.5)));
            }
            file.penUp();
        }
    }
    return file;
}

// `source` of the scene drawn into an image at `scale` pixels per unit, on
// a transparent ground.
class Rendering {
public:
    Rendering(QGraphicsScene& scene, const QRectF& source, double scale = 1.0)
        : m_source(source),
          m_scale(scale),
          m_image(qCeil(source.width() * scale), qCeil(source.height() * scale),
                  QImage::Format_ARGB32)
    {
        m_image.fill(Qt::transparent);
        QPainter painter(&m_image);
        scene.render(&painter, QRectF(m_image.rect()), source, Qt::IgnoreAspectRatio);
    }

    QColor at(double x, double y) const
    {
        const QPoint pixel(qFloor((x - m_source.x()) * m_scale), qFloor((y - m_source.y()) * m_scale));
        return m_image.rect().contains(pixel) ? m_image.pixelColor(pixel) : QColor();
    }

    bool isColour(double x, double y, const QColor& expected, int tolerance = 40) const
    {
        const QColor c = at(x, y);
        return c.isValid() && std::abs(c.red() - expected.red()) <= tolerance &&
            std::abs(c.green() - expected.green()) <= tolerance &&
            std::abs(c.blue() - expected.blue()) <= tolerance && c.alpha() >= 255 - tolerance;
    }
    bool isPaper(double x, double y) const { return isColour(x, y, Qt::white, 10); }
    bool isEmpty(double x, double y) const { return at(x, y).alpha() == 0; }

    // Rows at x, around y, that carry ink of the colour.
    int inkHeight(double x, double y, double reach, const QColor& ink) const
    {
        int rows = 0;
        for (double dy = -reach; dy <= reach; dy += 1.0 / m_scale)
            if (isColour(x, y + dy, ink, 60))
                ++rows;
        return rows;
    }

    const QImage& image() const { return m_image; }

private:
    QRectF m_source;
    double m_scale;
    QImage m_image;
};

} // namespace sketchtest

#endif
