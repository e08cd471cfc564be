// An engine over the domain core and the platform semantics only.
#include "compat/vb.h"
#include "consulta/Motore.h"
#include "core/Archivio.h"
#include <QString>
