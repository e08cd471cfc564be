// An engine reaching into another subsystem's engine: the layer check must refuse it.
#include "metodi/RicercaMetodi.h"
