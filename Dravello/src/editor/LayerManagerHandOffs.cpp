// Saving in other formats, hand-offs to other applications and mail.

#include "LayerManager.h"

#include "ApplSettings.h"
#include "DocumentMetaData.h"
#include "ExportFormats.h"
#include "MailClient.h"
#include "SketchMail.h"
#include "UserPrompt.h"
#include "WaitCursor.h"

#include <QMenu>

namespace {

// The hand-off slot for an application, by its bundle name; null for none.
void (LayerManager::*handOffSlotFor(const QString& bundleName))()
{
    const struct {
        const char* keyword;
        void (LayerManager::*slot)();
    } table[] = {
        {"photoshop", &LayerManager::exportPsSlot},
        {"illustrator", &LayerManager::exportAiSlot},
        {"pro", &LayerManager::exportSBPSlot},
        {"designer", &LayerManager::exportASSlot},
    };
    for (const auto& entry : table)
        if (bundleName.contains(QLatin1String(entry.keyword), Qt::CaseInsensitive))
            return entry.slot;
    return nullptr;
}

} // namespace

void LayerManager::handOff(bool (ExportFormats::*exporter)(MetadataPtr))
{
    ExportFormats exports;
    WaitCursor wait;
    (exports.*exporter)(getCurrentMetaDataPtr());
}

void LayerManager::saveAsDifferentFormatSlot() { handOff(&ExportFormats::SaveGeneric); }

void LayerManager::exportPsSlot() { handOff(&ExportFormats::AdobePhotoshopExport); }

void LayerManager::exportAiSlot() { handOff(&ExportFormats::AdobeIllustartorExport); }

void LayerManager::exportSBPSlot() { handOff(&ExportFormats::SBPExport); }

void LayerManager::exportASSlot() { handOff(&ExportFormats::AliasSketchExport); }

void LayerManager::addExportMenu()
{
    const QList<ApplicationDescriptor> applications = m_settings->getExportingAppsList();
    if (applications.isEmpty())
        return;
    m_exportMenu = m_viewMenu->addMenu(tr("&Export to"));
    for (const ApplicationDescriptor& application : applications) {
        const auto slot = handOffSlotFor(application.bundleName);
        if (!slot)
            continue;
        auto* action = new QAction(QStringLiteral("&") + application.bundleName + QStringLiteral(" ")
                                       + application.version,
                                   m_exportMenu);
        connect(action, &QAction::triggered, this, slot);
        m_exportMenu->addAction(action);
    }
}

bool LayerManager::emailDocumentasPDF() { return emailDocumentasPDF(desktopMailClient()); }

bool LayerManager::emailDocumentasPDF(IEMailClient& mailer)
{
    return sketch()
        && mailSketchAsPdf(*sketch(), mailer, this, QString::fromLatin1(kPromptTitle));
}
