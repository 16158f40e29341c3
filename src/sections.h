#pragma once

// Every section of the program registering its screens (window class -> factory): the program and the tools
// that show all of it use this one list.
#include "app/screenregistry.h"
#include "books/machinery.h"
#include "evaluation/evaluation.h"
#include "help/helpscreens.h"
#include "livestock/livestock.h"
#include "machines/machines.h"
#include "plant/plantbooks.h"

inline void registerAllSections(app::ScreenRegistry &screens)
{
    books::registerBooks(screens);
    plant::registerBooks(screens);
    evaluation::registerScreens(screens);
    livestock::registerScreens(screens);
    machines::registerScreens(screens);
    help::registerScreens(screens);
}
