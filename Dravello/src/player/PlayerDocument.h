#ifndef DRAVELLO_PLAYER_PLAYERDOCUMENT_H
#define DRAVELLO_PLAYER_PLAYERDOCUMENT_H

#include "MetadataPtr.h"
#include "ui_PlayerDocument.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

class ApplSettings;
class DocumentGraphicModel;
class QGraphicsView;
class QTimeLine;

// Replays a sketch stroke by stroke in a view it is handed: frame n shows
// the first n strokes (layers in order, strokes in stored order) in the
// player pen and hides the rest. Frames run from 0 (nothing) to the number
// of strokes (everything). GUI thread only.
class PlayerDocument : public QWidget {
    Q_OBJECT

public:
    enum STROKE_PLAYER_DIRECTION { Forward = 0, Backward = 1 };

    explicit PlayerDocument(QWidget* parent = nullptr);
    ~PlayerDocument() override;

    // Takes the sketch (a private centred copy) and the view to draw in and
    // shows frame 0. False, doing nothing, for a null view; false when the
    // sketch has no scene.
    bool init(MetadataPtr sketch, QGraphicsView* view);
    // Stops, rewinds the controls and lets go of the view's scene.
    void resetPlayer();
    // resetPlayer(), and the sketch copy goes too.
    void releaseSketch();

    // Stops and shows frame `frame`; playing later continues from there.
    void updatePlayer(int frame);
    void goOneStep(STROKE_PLAYER_DIRECTION direction);
    // A grey and white checkerboard behind the view's scene.
    void setBgPixmap();

public slots:
    void playStopPlayerSlot();
    void gotoFirstStrokePlayerSlot();
    void gotoPrevStrokePlayerSlot();
    void gotoNextStrokePlayerSlot();
    void gotoLastStrokePlayerSlot();
    void sliderMovedSlot(int frame);
    void sliderReleasedSlot();
    void speedReleasedSlot();
    void speedValChangedSlot(int value);
    void increasePlayerSpeedSlot();
    void decreasePlayerSpeedSlot();
    void zoomReleasedSlot();
    void zoomValChangedSlot(int value);
    void zoomIn();
    void zoomOut();
    // Shows frame `frame` without touching the time line.
    void updatePlayerView(int frame);
    void timeLineFinishedSlot();

private:
    static constexpr int kDefaultMsPerStroke = 200;

    void readPlayerPen();
    // A new time line over all frames; the old one is deleted.
    void replaceTimeLine();
    // Scales the view down when the paper is larger than it either way.
    void fitPaperIntoView(const QRectF& paper);
    // Frames from `frame` to the last, and the time they take.
    void playFrom(int frame);
    void setTimeLineFrames(int firstFrame);
    int durationOf(int frames) const;
    bool isTimeLineRunning() const;
    void showPlayButtonAsPlay(bool play);
    void setStepControlsEnabled(bool enabled);
    DocumentGraphicModel* sketchModel() const;

    Ui_PlayerDocumentClass m_form;
    QGraphicsView* m_view = nullptr;
    ApplSettings* m_settings;
    QTimeLine* m_timeLine = nullptr;
    MetadataPtr m_sketch;
    bool m_playing = false;
    int m_strokeCount = 0;
    int m_msPerStroke = kDefaultMsPerStroke;
    double m_fitScale = 1.0;
    QString m_documentPath;
    QColor m_penColor{Qt::black};
    double m_penWidth = 1.0;
};

#endif
