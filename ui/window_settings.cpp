#include "ui/window_settings.h"

namespace tervala {

namespace {
constexpr const char* kRecentKey = "files/recentInput";
}  // namespace

QStringList WindowSettings::RecentInputFiles() const {
    return settings_.value(kRecentKey).toStringList().mid(0, kRecentFiles);
}

void WindowSettings::AddRecentInputFile(const QString& file) {
    QStringList files = RecentInputFiles();
    files.removeAll(file);
    files.prepend(file);
    settings_.setValue(kRecentKey, files.mid(0, kRecentFiles));
}

void WindowSettings::RemoveRecentInputFile(const QString& file) {
    QStringList files = RecentInputFiles();
    files.removeAll(file);
    settings_.setValue(kRecentKey, files);
}

}  // namespace tervala
