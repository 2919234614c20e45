#include "ui/tervala_resources.h"

#include <QFile>

// Q_INIT_RESOURCE must be used outside any namespace.
static void InitResourcesOutsideNamespace() { Q_INIT_RESOURCE(tervala); }

namespace tervala {

void InitTervalaResources() { InitResourcesOutsideNamespace(); }

QPixmap PictureForScreen(const QString& name, const QSize& size, qreal pixelRatio) {
    QPixmap picture(":/pictures/" + name + (pixelRatio > 1 ? "@2x.jpg" : ".jpg"));
    if (picture.isNull()) return picture;
    QPixmap fitted =
        picture.scaled(size * pixelRatio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(pixelRatio);
    return fitted;
}

QString ReadResourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

}  // namespace tervala
