#include "CreditsAnimation.h"

namespace {

struct LinePhase {
    int firstStep;
    QColor baseColor;
    CreditsAnimation::Cue cue;
};

const std::array<LinePhase, CreditsAnimation::lineCount> linePhases = {{
    {1, QColor(31, 55, 229), CreditsAnimation::Cue::ShowFirst},
    {60, QColor(180, 229, 31), CreditsAnimation::Cue::ShowSecond},
    {120, QColor(110, 214, 244), CreditsAnimation::Cue::ShowThird},
}};

constexpr int waveLength = 16;
constexpr std::array<int, waveLength> sineTable = {
    0, 38, 71, 92, 100, 92, 71, 38, 0, -38, -71, -92, -100, -92, -71, -38};

int colorComponent(int value)
{
    return qBound(0, value, 255);
}

} // namespace

CreditsAnimation::CreditsAnimation(const std::array<QString, lineCount>& lines)
    : m_lines(lines)
{
}

CreditsAnimation::Cue CreditsAnimation::advance()
{
    ++m_step;
    if (m_step >= finalStep) {
        m_step = 0;
        return Cue::Finished;
    }
    int line = lineCount - 1;
    while (linePhases[line].firstStep > m_step)
        --line;
    const LinePhase& phase = linePhases[line];
    m_baseColor = phase.baseColor;
    const int letter = m_step - phase.firstStep;
    if (letter < m_lines[line].size())
        m_grown[line] += m_lines[line][letter];
    m_text = m_grown[line];
    return letter == 0 ? phase.cue : Cue::None;
}

QColor CreditsAnimation::letterColor(int letter) const
{
    return QColor(colorComponent(m_baseColor.red() + 6 * letter),
                  colorComponent(m_baseColor.green() - 2 * letter),
                  m_baseColor.blue(),
                  250 - waveIndex(letter));
}

int CreditsAnimation::letterLift(int letter, int fontHeight) const
{
    return sineTable[waveIndex(letter)] * fontHeight / 600;
}

int CreditsAnimation::waveIndex(int letter) const
{
    return (letter + m_step) % waveLength;
}
