#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tekvora"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tekvora"));
    window.show();
    return QApplication::exec();
}
