#include "ApplicationLook.h"

#include <QApplication>
#include <QFile>
#include <QPalette>

const char* const kStartStyleSheet = ":/stylesheet/qss/dravello.qss";
const char* const kAlternativeStyleSheet = ":/stylesheet/qss/dravello_alternative.qss";

namespace {

// The light blue of the folder tree; style sheets cannot colour links.
const QColor kLinkColour(33, 215, 255);
const QColor kVisitedLinkColour(190, 150, 255);

void useLinkColours()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Link, kLinkColour);
    palette.setColor(QPalette::LinkVisited, kVisitedLinkColour);
    if (palette != QApplication::palette())
        QApplication::setPalette(palette);
}

} // namespace

// Q_INIT_RESOURCE declares its function in the enclosing scope, which must
// not be a namespace.
void registerCompiledResources()
{
#include "DravelloResources.inc"
}

QString applicationStyleSheet(const QString& sheet)
{
    QFile common(QStringLiteral(":/stylesheet/qss/dravello_common.qss"));
    QFile specific(sheet);
    if (!common.open(QIODevice::ReadOnly) || !specific.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(common.readAll() + specific.readAll());
}

bool applyApplicationLook(const QString& sheet)
{
    const QString text = applicationStyleSheet(sheet);
    if (text.isEmpty())
        return false;
    useLinkColours();
    qApp->setStyleSheet(text);
    return true;
}
