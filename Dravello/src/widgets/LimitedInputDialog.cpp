#include "LimitedInputDialog.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace {

const char* const kTitle = "Scrivet Dravello";

// The window frame's icon and its three buttons beside the title.
constexpr int kFrameButtonsWidth = 160;

// The first maxLength UTF-16 units of text, one less when the cut would split a
// surrogate pair.
QString leftWithoutSplitPair(const QString& text, int maxLength)
{
    QString cut = text.left(maxLength);
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

} // namespace

LimitedInputDialog::LimitedInputDialog(QWidget* parent, const QString& label, int maxLength)
    : QInputDialog(parent)
    , m_maxLength(maxLength)
{
    if (parent)
        parent->setAttribute(Qt::WA_AlwaysShowToolTips);
    setWindowTitle(QString::fromLatin1(kTitle));
    setLabelText(label);
    setTextEchoMode(QLineEdit::Normal);
    makeRoomForTitle(*this);
    connect(this, &QInputDialog::textValueChanged, this, &LimitedInputDialog::handleTextValueChanged);
}

void LimitedInputDialog::handleTextValueChanged(const QString& text)
{
    if (text.length() <= m_maxLength) {
        setToolTip(QString());
        return;
    }
    // Setting the cut text re-enters this slot and clears the tool tip; set it after.
    setTextValue(leftWithoutSplitPair(text, m_maxLength));
    setToolTip(tr("String is too long"));
}

void makeRoomForTitle(QInputDialog& dialog)
{
    // Window managers draw titles in a bold face. The dialog's layout sets its
    // minimum size, so the text field carries the width.
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(dialog.windowTitle());
    if (auto* field = dialog.findChild<QLineEdit*>())
        field->setMinimumWidth(titleWidth + kFrameButtonsWidth);
}

QString askLine(QWidget* parent, const QString& label, const QString& text)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QString::fromLatin1(kTitle));
    dialog.setLabelText(label);
    dialog.setTextEchoMode(QLineEdit::Normal);
    dialog.setTextValue(text);
    makeRoomForTitle(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}
