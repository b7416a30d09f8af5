#include "ExportProgress.h"

#include <QApplication>

ExportProgress::ExportProgress(const QString& label, int maximum)
    : m_dialog(label, QString(), 0, maximum, QApplication::activeWindow())
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setValue(1);
}

ExportProgress::~ExportProgress()
{
    m_dialog.close();
    QApplication::restoreOverrideCursor();
}

void ExportProgress::setValue(int value) { m_dialog.setValue(value); }

void ExportProgress::advance() { m_dialog.setValue(m_dialog.value() + 1); }

void ExportProgress::setMaximum(int maximum) { m_dialog.setMaximum(maximum); }

void ExportProgress::setLabelText(const QString& label) { m_dialog.setLabelText(label); }
