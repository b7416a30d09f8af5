#ifndef DRAVELLO_SCENE_PAINTFORMAT_H
#define DRAVELLO_SCENE_PAINTFORMAT_H

#include <QColor>

// The pen a sketch is drawn with: a colour and a width in tenths of a
// millimetre. Copied freely between scenes, layer groups and stroke items.
class PaintFormat {
public:
    // The default pen of the settings ("visuality_properties/default_pen"):
    // colour "rgba_color" (black when missing or unreadable), width "width"
    // times "ball_point_size" (1.0 and 1 when missing). Safe on any thread.
    PaintFormat();

    const QColor& penColor() const { return m_penColor; }
    void setPenColor(const QColor& color) { m_penColor = color; }
    double width() const { return m_width; }
    void setWidth(double width) { m_width = width; }

private:
    QColor m_penColor{Qt::black};
    double m_width = 1.0;
};

#endif
