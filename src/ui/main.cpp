#include "ui/app/DashboardApp.h"

int main(int argc, char** argv) {
    rovik::DashboardApp app(argc, argv);
    return app.Run();
}
