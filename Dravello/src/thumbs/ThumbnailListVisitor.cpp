#include "ThumbnailListVisitor.h"

#include "DocumentMetaData.h"
#include "DocumentMetadataKeeper.h"

bool ItemFinderByFileName::visit(DocumentMetadataKeeper* keeper)
{
    if (keeper->metadata()->m_filePath != m_path)
        return true;
    m_found = keeper;
    return false;
}

bool Resizer::visit(DocumentMetadataKeeper* keeper)
{
    keeper->showScaled(m_size, m_mode);
    return true;
}
