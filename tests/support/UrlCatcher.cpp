#include "tests/support/UrlCatcher.h"

#include <QDesktopServices>

TUrlCatcher::TUrlCatcher() { QDesktopServices::setUrlHandler("file", this, "Open"); }

TUrlCatcher::~TUrlCatcher() { QDesktopServices::unsetUrlHandler("file"); }
