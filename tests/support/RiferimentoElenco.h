#pragma once
// The table of draws' repaint written out step by step, as a reference for
// the fast engine: it reads the 36 records one by one from the archive file,
// keeps the numbers as caption texts and counts pairs in full 91 x 91 tables.
#include <QString>
#include <QtGlobal>
#include <array>

class ArchivioEstrazioni;

struct RiferimentoElenco {
    std::array<QString, 36 * 55 + 1> didascalia; // cell captions, 1-based
    std::array<int, 36 * 55 + 1> colore{};       // marked colour entry, -1 none
    std::array<bool, 37> bianca{};               // row 1..36 striped white
};

// Fills the page ending at draw `ultima` (at least 36) and repaints it with
// `modo`, `selezionati` (1..90) and `sorteMinima`; `alterna` is the
// striping phase, kept from one call to the next.
RiferimentoElenco paginaLetterale(ArchivioEstrazioni& a, qint32 ultima, int modo,
                                  const std::array<bool, 91>& selezionati, int sorteMinima,
                                  bool& alterna);
