#pragma once
// Printer documents as plain text lines for tests: character columns expanded
// as blanks, grid positions in twips as column 11 + position, "<<pagina>>"
// where a new page starts.
#include "archivio/StampaEstrazioni.h"
#include "core/RecEstrazione.h"

#include <QStringList>
#include <memory>

QStringList TestoStampa(const DocumentoStampa& doc);

// The in-memory view of records that are not on disk.
std::shared_ptr<const ArchivioMemoria> memoria(const std::vector<RecEstrazione>& estrazioni);
