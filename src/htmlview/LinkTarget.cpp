#include "htmlview/LinkTarget.h"

namespace sibylon {

LinkTarget LinkTargetOf(const QUrl& url) {
  const QString scheme = url.scheme();  // QUrl keeps schemes in lower case
  for (const char* local : {"file", "data", "about", "blob", "qrc", kPageScheme}) {
    if (scheme == QLatin1String(local)) return LinkTarget::kView;
  }
  for (const char* outside : {"http", "https", "mailto"}) {
    if (scheme == QLatin1String(outside)) return LinkTarget::kSystemHandler;
  }
  return LinkTarget::kRefused;
}

}  // namespace sibylon
