// The domain core reaching a window: the layer check must refuse it.
#include "shell/frmMain.h"
