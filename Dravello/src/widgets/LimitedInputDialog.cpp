#include "LimitedInputDialog.h"

namespace {

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
    setWindowTitle(QStringLiteral("Scrivet Dravello"));
    setLabelText(label);
    setTextEchoMode(QLineEdit::Normal);
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
