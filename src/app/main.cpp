// Entry point of the game: the application, the settings store and the main
// window at its stored place.

#include <QApplication>

#include "app/ApplicationSetup.h"
#include "look/Pictures.h"
#include "settings/SettingsStore.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  varelo::SetUpApplication(app);

  varelo::SettingsStore settings;
  varelo::MainWindow window(settings);
  QApplication::setWindowIcon(varelo::pictures::ProgramIcon());
  window.ShowAtStoredPlacement();
  return app.exec();
}
