#include "PagesStrip.h"

#include "ui_PagesStrip.h"

#include <QKeyEvent>

namespace {

void shrinkFont(QWidget* widget, int points)
{
    QFont font = widget->font();
    if (font.pointSize() > points) {
        font.setPointSize(font.pointSize() - points);
        widget->setFont(font);
    }
}

} // namespace

PagesStrip::PagesStrip(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::PagesStripClass>())
{
    ui->setupUi(this);
    shrinkFont(ui->lblFilesCountInfo, 3);
    shrinkFont(ui->spinBox, 4);
    ui->spinBox->installEventFilter(this);
}

PagesStrip::~PagesStrip() = default;

void PagesStrip::setControlData(unsigned first, unsigned last, unsigned total)
{
    ui->lblFilesCountInfo->setText(QStringLiteral("%1-%2/%3").arg(first).arg(last).arg(total));
    m_totalFileCount = total;
    // The page the list shows, also when it chose the page itself.
    m_currentPage = first / filesPerPage + 1;
    m_pageCount = total / filesPerPage + (total % filesPerPage != 0 ? 1 : 0);
    ui->spinBox->setMaximum(static_cast<int>(m_pageCount));
    ui->spinBox->setMinimum(1);
    showCurrentPage();
}

void PagesStrip::resetData()
{
    m_pageCount = 0;
    m_totalFileCount = 0;
    m_currentPage = 0;
    ui->spinBox->setValue(0);
}

void PagesStrip::jumpToTheFile(unsigned)
{
}

void PagesStrip::onBtnFirstClicked()
{
    if (m_currentPage < 2)
        return;
    emit pageSelectionChange(1, m_currentPage);
    m_currentPage = 1;
    showCurrentPage();
}

void PagesStrip::onBtnPrevClicked()
{
    if (m_currentPage < 2)
        return;
    const unsigned before = m_currentPage--;
    showCurrentPage();
    emit pageSelectionChange(m_currentPage, before);
}

void PagesStrip::onBtnNextClicked()
{
    if (m_currentPage >= m_pageCount)
        return;
    const unsigned before = m_currentPage++;
    showCurrentPage();
    emit pageSelectionChange(m_currentPage, before);
}

void PagesStrip::onBtnLastClicked()
{
    if (m_currentPage >= m_pageCount)
        return;
    emit pageSelectionChange(m_pageCount, m_currentPage);
    m_currentPage = m_pageCount;
    showCurrentPage();
}

void PagesStrip::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return;
    const unsigned typed = static_cast<unsigned>(ui->spinBox->value());
    if (typed == m_currentPage)
        return;
    const unsigned before = m_currentPage;
    m_currentPage = typed;
    emit pageSelectionChange(m_currentPage, before);
}

bool PagesStrip::eventFilter(QObject* watched, QEvent* event)
{
    // The spin box accepts its key releases, so they never reach this widget on
    // their own; the spin box still handles them afterwards.
    if (watched == ui->spinBox && event->type() == QEvent::KeyRelease)
        keyReleaseEvent(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

void PagesStrip::showCurrentPage()
{
    ui->spinBox->setValue(static_cast<int>(m_currentPage));
}
