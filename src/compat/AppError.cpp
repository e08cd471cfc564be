#include "compat/AppError.h"

#include <cerrno>

namespace compat {

QString errorDescription(int number)
{
    switch (number) {
    case 5: return QStringLiteral("Chiamata di routine o argomento non validi");
    case 6: return QStringLiteral("Overflow");
    case 9: return QStringLiteral("Indice non incluso nell'intervallo");
    case 11: return QStringLiteral("Divisione per zero");
    case 13: return QStringLiteral("Tipo non corrispondente");
    case 52: return QStringLiteral("Nome o numero di file non valido");
    case 53: return QStringLiteral("Impossibile trovare il file");
    case 61: return QStringLiteral("Disco pieno");
    case 63: return QStringLiteral("Numero di record non valido");
    case 70: return QStringLiteral("Autorizzazione negata");
    case 75: return QStringLiteral("Errore di accesso al percorso/file");
    case 76: return QStringLiteral("Impossibile trovare il percorso");
    default: return {};
    }
}

void raise(int number, const QString& source)
{
    throw AppError{number, errorDescription(number), source};
}

int errorNumberOf(int systemError)
{
    switch (systemError) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT: return 61;
    case EACCES:
    case EPERM:
    case EROFS: return 70;
    default: return 75;
    }
}

void raiseSystemError(int systemError)
{
    raise(errorNumberOf(systemError));
}

} // namespace compat
