#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pralune"));
    QApplication::setApplicationVersion(QStringLiteral("0.1.0.561"));
    QApplication::setOrganizationName(QStringLiteral("corvanta"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Pralune"));
    window.resize(1280, 800);
    window.show();
    return app.exec();
}
