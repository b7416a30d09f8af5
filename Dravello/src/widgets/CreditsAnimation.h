#pragma once

#include <QColor>
#include <QString>

#include <array>

// The timing of the credits panel: three lines spelled out letter by letter, one
// line per 60 ticks, each in its own base colour, letters bobbing on a sine wave.
class CreditsAnimation
{
public:
    // What the panel has to show once a tick has been taken.
    enum class Cue { None, ShowFirst, ShowSecond, ShowThird, Finished };

    static constexpr int lineCount = 3;
    static constexpr int finalStep = 180;

    explicit CreditsAnimation(const std::array<QString, lineCount>& lines);

    // Takes one tick; after the last one the step is back at 0.
    Cue advance();

    int step() const { return m_step; }
    const QString& text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    QColor baseColor() const { return m_baseColor; }

    // Colour and upward lift (in pixels, for a font of the given height) of the
    // letter at index letter of the shown text.
    QColor letterColor(int letter) const;
    int letterLift(int letter, int fontHeight) const;

private:
    int waveIndex(int letter) const;

    std::array<QString, lineCount> m_lines;
    std::array<QString, lineCount> m_grown;
    QString m_text;
    QColor m_baseColor;
    int m_step = 0;
};
