#include "CoolWidget.h"

#include <QPainter>
#include <QTimerEvent>

namespace {

constexpr int tickMilliseconds = 60;

const std::array<QString, CreditsAnimation::lineCount> creditLines = {
    QStringLiteral("Mara Keldsen"),
    QStringLiteral("Tomas Ferreira"),
    QStringLiteral("Ines Okafor"),
};

} // namespace

CoolWidget::CoolWidget(QWidget* parent)
    : QWidget(parent)
    , m_animation(creditLines)
{
    setBackgroundRole(QPalette::Midlight);
    QFont scriptFont = font();
    scriptFont.setPointSize(scriptFont.pointSize() + 25);
    scriptFont.setFamily(QStringLiteral("Brush Script MT"));
    setFont(scriptFont);
    m_timer.start(tickMilliseconds, this);
}

void CoolWidget::setText(QString newText)
{
    m_animation.setText(newText);
    update();
}

void CoolWidget::paintEvent(QPaintEvent*)
{
    const QFontMetrics metrics(font());
    const QString& text = m_animation.text();
    int x = (width() - metrics.horizontalAdvance(text)) / 2;
    const int y = (height() + metrics.ascent() - metrics.descent()) / 2;

    QPainter painter(this);
    for (int i = 0; i < text.size(); ++i) {
        const QString letter(text[i]);
        painter.setPen(m_animation.letterColor(i));
        painter.drawText(x, y - m_animation.letterLift(i, metrics.height()), letter);
        x += metrics.horizontalAdvance(letter);
    }
}

void CoolWidget::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    const CreditsAnimation::Cue cue = m_animation.advance();
    if (cue == CreditsAnimation::Cue::Finished)
        m_timer.stop();
    emitCue(cue);
    if (cue == CreditsAnimation::Cue::Finished)
        hide();
    update();
}

void CoolWidget::emitCue(CreditsAnimation::Cue cue)
{
    switch (cue) {
    case CreditsAnimation::Cue::ShowFirst:
        emit showFirst();
        break;
    case CreditsAnimation::Cue::ShowSecond:
        emit showSecond();
        break;
    case CreditsAnimation::Cue::ShowThird:
        emit showThird();
        break;
    case CreditsAnimation::Cue::Finished:
        emit showTextBox();
        break;
    case CreditsAnimation::Cue::None:
        break;
    }
}
