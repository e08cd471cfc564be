#pragma once
// A new message in the desktop's mail program.
#include <QString>

// Opens "mailto:" & the address; false when the desktop refuses.
bool InviaEmail(const QString& indirizzo);
