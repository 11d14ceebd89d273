#include "app/Screenshot.h"

#include <QPixmap>
#include <QSaveFile>
#include <QWidget>

bool SaveScreenshot(QWidget& window, const std::string& path, std::string& problem) {
  if (path.empty()) {
    problem = "No file was named for the screenshot.";
    return false;
  }
  QPixmap picture = window.grab();
  if (picture.isNull()) {
    problem = "The window could not be drawn.";
    return false;
  }
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) {
    problem = "Cannot write " + path + ": " + file.errorString().toStdString();
    return false;
  }
  if (!picture.save(&file, "PNG") || !file.commit()) {
    problem = "Cannot write " + path + ": " + file.errorString().toStdString();
    return false;
  }
  return true;
}
