#ifndef DRAVELLO_EXPORT_EXPORTPROGRESS_H
#define DRAVELLO_EXPORT_EXPORTPROGRESS_H

#include <QProgressDialog>
#include <QString>

// The wait cursor and the window-modal progress dialog (without a cancel
// button) of one export, from 0 to `maximum`; it starts at 1 and closes
// with the object.
class ExportProgress {
public:
    ExportProgress(const QString& label, int maximum);
    ~ExportProgress();
    ExportProgress(const ExportProgress&) = delete;
    ExportProgress& operator=(const ExportProgress&) = delete;

    void setValue(int value);
    void advance();
    void setMaximum(int maximum);
    void setLabelText(const QString& label);

private:
    QProgressDialog m_dialog;
};

#endif
