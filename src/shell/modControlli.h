#pragma once
// The shared controls now live in shell/Controlli.h; this name is kept for
// windows written against it.
#include "shell/Controlli.h"
