#pragma once
// Opening an address in the desktop's browser.
#include <QString>

// The address with "http://" in front unless it begins with "http" (any case).
QString ConPrefissoHttp(const QString& url);

// The address with "http://" in front unless it begins with "http" (any
// case). Only an http or https address with a host is handed to the desktop;
// anything else is refused (false) without launching.
bool ApriUrl(const QString& url);
