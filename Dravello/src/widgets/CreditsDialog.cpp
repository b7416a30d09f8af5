#include "CreditsDialog.h"

#include "CoolWidget.h"

#include <QMessageBox>
#include <QVBoxLayout>

namespace {

QString backgroundPicture(int number)
{
    return QStringLiteral("border-image: url(:/misc/Resources/miscell/Penguins%1.png)").arg(number);
}

const char* const creditsText =
    "<p>This software written by</p>"
    "<p><a href=\"mailto:mara.keldsen@dravello.example\">Mara Keldsen</a></p>"
    "<p><a href=\"mailto:tomas.ferreira@dravello.example\">Tomas Ferreira</a></p>"
    "<p><a href=\"mailto:ines.okafor@dravello.example\">Ines Okafor</a></p>";

} // namespace

Dialog::Dialog(QWidget* parent)
    : QDialog(parent)
    , m_animation(new CoolWidget(this))
    , m_textBox(new QMessageBox(this))
{
    m_textBox->setIcon(QMessageBox::NoIcon);
    m_textBox->setStandardButtons(QMessageBox::NoButton);
    m_textBox->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_animation);
    layout->addWidget(m_textBox);

    connect(m_animation, &CoolWidget::showFirst, this, &Dialog::showFirstSlot);
    connect(m_animation, &CoolWidget::showSecond, this, &Dialog::showSecondSlot);
    connect(m_animation, &CoolWidget::showThird, this, &Dialog::showThirdSlot);
    connect(m_animation, &CoolWidget::showTextBox, this, &Dialog::showTextBoxSlot);

    resize(400, 350);
    setWindowTitle(QStringLiteral("Credits"));
    setStyleSheet(backgroundPicture(1));
}

void Dialog::aboutUs(QWidget* parent, const QString& title)
{
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setStyleSheet(QStringLiteral("border-image: url(:/misc/Resources/miscell/stam.png);"));
    box->setWindowTitle(title);
    box->setInformativeText(QString::fromLatin1(creditsText));
    box->exec();
}

void Dialog::showFirstSlot()
{
    setStyleSheet(backgroundPicture(3));
}

void Dialog::showSecondSlot()
{
    setStyleSheet(backgroundPicture(2));
}

void Dialog::showThirdSlot()
{
    setStyleSheet(backgroundPicture(1));
}

void Dialog::showTextBoxSlot()
{
    close();
    aboutUs(this, QStringLiteral("Credits"));
}
