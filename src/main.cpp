// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/formmain.h"
#include "app/guardedapplication.h"

int main(int argc, char *argv[])
{
    guardedapplication application(argc, argv);
    FormMain window;
    window.start();
    return application.exec();
}
