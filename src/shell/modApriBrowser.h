#pragma once
// Opening the maker's web site in the desktop's browser.
#include <QString>

// Default of "Url" of section "Options".
extern const QString UrlPredefinita;

// The address with "http://" in front unless it begins with "http" (any
// case). Only an http or https address with a host is handed to the desktop;
// anything else is refused (false) without launching.
bool ApriUrl(const QString& url);
