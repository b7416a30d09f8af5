#ifndef DRAVELLO_EXPORT_LAYERPICTURES_H
#define DRAVELLO_EXPORT_LAYERPICTURES_H

#include <QBrush>
#include <QList>
#include <QSize>
#include <QString>

class DocumentGraphicModel;
class ExportProgress;

// Draws a sketch's scene apart into PNG pictures of the scene rectangle: a
// white "background.png", and for layer i of n layers "<n - i>.png" holding
// only that layer on a transparent ground. The paper, the background brush
// and every layer's painted flag are put back as they were when the object
// goes. GUI thread.
class LayerPictures {
public:
    explicit LayerPictures(DocumentGraphicModel& model);
    ~LayerPictures();
    LayerPictures(const LayerPictures&) = delete;
    LayerPictures& operator=(const LayerPictures&) = delete;

    // Writes the pictures into the folder; stops at the first one that
    // cannot be saved and names it in `failed`.
    bool write(const QString& folder, ExportProgress& progress, QString& failed);

private:
    QSize pictureSize() const;
    bool writeLayer(int index, const QString& path);

    DocumentGraphicModel& m_model;
    QList<bool> m_painted;
    bool m_paperShown;
    QBrush m_backgroundBrush;
};

#endif
