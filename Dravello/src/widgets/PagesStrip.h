#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class PagesStripClass;
}

// The status bar's page navigator: shows which files of the folder are listed
// ("first-last/total") and steps through pages of 50 files.
class PagesStrip : public QWidget
{
    Q_OBJECT

public:
    static constexpr unsigned filesPerPage = 50;

    explicit PagesStrip(QWidget* parent = nullptr);
    ~PagesStrip() override;

    // A new range of listed files; first == 0 means a new folder and page 1.
    void setControlData(unsigned first, unsigned last, unsigned total);
    // Back to the state before the first range: no pages, no files, page 0.
    void resetData();

    unsigned pageCount() const { return m_pageCount; }
    unsigned currentPage() const { return m_currentPage; }

public slots:
    void jumpToTheFile(unsigned file);
    void onBtnFirstClicked();
    void onBtnPrevClicked();
    void onBtnNextClicked();
    void onBtnLastClicked();

signals:
    void pageSelectionChange(unsigned newPage, unsigned prevPage);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCurrentPage();

    std::unique_ptr<Ui::PagesStripClass> ui;
    unsigned m_pageCount = 0;
    unsigned m_totalFileCount = 0;
    unsigned m_currentPage = 0;
};
