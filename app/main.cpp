#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel label("Tomekit for Windows");
  label.show();
  return app.exec();
}
