// main() of the test programs of the data layer, which link no widgets.
#include "banksupport.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return testing::runTests(argc, argv);
}
