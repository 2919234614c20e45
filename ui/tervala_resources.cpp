#include "ui/tervala_resources.h"

#include <QFile>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitResourcesOutsideNamespace() { Q_INIT_RESOURCE(tervala); }

namespace tervala {

void InitTervalaResources() { InitResourcesOutsideNamespace(); }

QString ReadResourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

}  // namespace tervala
