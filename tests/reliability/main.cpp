#include "support/testmain.h"

#include <QApplication>

VELMORA_TEST_MAIN(QApplication)
