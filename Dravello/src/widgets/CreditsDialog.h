#pragma once

#include <QDialog>

class CoolWidget;
class QMessageBox;

// The credits panel of the About box: the animated credit lines over a changing
// background picture, followed by a message box with the credits text.
class Dialog : public QDialog
{
    Q_OBJECT

public:
    explicit Dialog(QWidget* parent = nullptr);

    static void aboutUs(QWidget* parent, const QString& title);

public slots:
    void showFirstSlot();
    void showSecondSlot();
    void showThirdSlot();
    void showTextBoxSlot();

private:
    CoolWidget* m_animation;
    QMessageBox* m_textBox;
};
