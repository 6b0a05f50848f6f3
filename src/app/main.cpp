// Ondivel, the desktop program: the window models of the core behind Qt views.
#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Ondivel");
    QApplication::setOrganizationName("Ondivel");
    return 0;
}
