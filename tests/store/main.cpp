#include "support/testmain.h"

VELMORA_TEST_MAIN(QCoreApplication)
