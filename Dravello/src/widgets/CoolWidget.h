#pragma once

#include "CreditsAnimation.h"

#include <QBasicTimer>
#include <QWidget>

// The animated part of the credits panel: plays CreditsAnimation once, one tick
// every 60 ms, then hides itself.
class CoolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CoolWidget(QWidget* parent = nullptr);

signals:
    void showTextBox();
    void showFirst();
    void showSecond();
    void showThird();

public slots:
    void setText(QString newText);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void emitCue(CreditsAnimation::Cue cue);

    QBasicTimer m_timer;
    CreditsAnimation m_animation;
};
