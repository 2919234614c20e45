// What the window remembers from one start of the program to the next: its
// size and place, the folder of the last file used, and the input files used
// last (File > Open recent). Kept by QSettings in the user's configuration
// folder ($XDG_CONFIG_HOME/tervala/tervala.conf); nothing the program reads
// or writes as data depends on it.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace tervala {

class WindowSettings {
  public:
    static constexpr int kRecentFiles = 8;

    QStringList RecentInputFiles() const;
    // `file` goes to the top of the list, once; the ninth drops off.
    void AddRecentInputFile(const QString& file);
    void RemoveRecentInputFile(const QString& file);

    QByteArray Geometry() const { return settings_.value("window/geometry").toByteArray(); }
    void SetGeometry(const QByteArray& geometry) {
        settings_.setValue("window/geometry", geometry);
    }
    QString LastFolder() const { return settings_.value("files/lastFolder").toString(); }
    void SetLastFolder(const QString& folder) { settings_.setValue("files/lastFolder", folder); }

  private:
    QSettings settings_{"tervala", "tervala"};
};

}  // namespace tervala
