#include "ui/guidance_resources.h"

#include <QFile>

namespace tervala {

QString LoadGuidanceText(const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(file.readAll());
    text.replace("\r\n", "\n");
    return text;
}

QPixmap LoadPicture(const QString& resourcePath) {
    QPixmap picture;
    picture.load(resourcePath);
    return picture;
}

}  // namespace tervala
