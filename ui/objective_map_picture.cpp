#include "ui/objective_map_picture.h"

#include <QBuffer>
#include <QSaveFile>
#include <QSvgGenerator>

#include "ui/graph_picture.h"
#include "ui/qpainter_surface.h"

namespace tervala {

QImage DrawObjectiveMapImage(const ObjectiveMap& map) {
    QImage picture(kObjectiveMapWidth, kObjectiveMapHeight, QImage::Format_RGB888);
    picture.fill(Qt::white);
    {
        QPainterSurface surface(picture);
        PaintObjectiveMap(surface, map);
    }
    return picture;
}

MapFileType MapFileTypeOf(const std::string& path) {
    const std::string extension = LowerCaseExtension(path);
    if (extension == ".png") return MapFileType::Png;
    if (extension == ".svg") return MapFileType::Svg;
    return MapFileType::Unknown;
}

bool SaveObjectiveMap(const ObjectiveMap& map, const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (MapFileTypeOf(path)) {
        case MapFileType::Png:
            if (!DrawObjectiveMapImage(map).save(&buffer, "PNG")) return false;
            break;
        case MapFileType::Svg: {
            QSvgGenerator svg;
            svg.setOutputDevice(&buffer);
            svg.setSize(QSize(kObjectiveMapWidth, kObjectiveMapHeight));
            svg.setViewBox(QRect(0, 0, kObjectiveMapWidth, kObjectiveMapHeight));
            // The surface sizes fonts in pixels of a 96 dpi picture.
            svg.setResolution(96);
            svg.setTitle(QString::fromStdString(map.Title));
            svg.setDescription(QString::fromStdString(map.Subtitle));
            QPainterSurface surface(svg);
            PaintObjectiveMap(surface, map);
            break;
        }
        case MapFileType::Unknown:
            return false;
    }
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

}  // namespace tervala
