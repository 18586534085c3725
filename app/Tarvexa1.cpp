// Tarvexa1: checks one line of IRC-formatted chat text.
#include "StartUp.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return RunApplication(app);
}
