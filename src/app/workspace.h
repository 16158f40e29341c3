#pragma once

#include <QString>

namespace app {

// The main menu state every screen reads: the working year, the data directory and the hand-over values with
// which the main menu tells a generic screen which table and title to use. One instance for the whole run.
struct Workspace {
    QString dataDir;
    QString workingYear; // exactly as typed at the year load; empty until the first successful load
    bool splashShown = false;

    QString cropStoreTable;                  // e.g. "psenice_sklad"
    QString cropFormTable1, cropFormTable2;  // e.g. "form1_psenice2004", "form2_psenice2004"
    QString hayStoreTable, hayMatchingIssue; // e.g. "seno_sklad_male", "seno_vydej_male"
    QString hayIssueTable;                   // e.g. "seno_vydej_male"
    QString hayTitle;                        // e.g. "Seno - sklad - malé"
    QString selectedQuarter;                 // "1".."4", "x", or empty
    QString selectedAnimal;                  // the animal number a card opens with
    QString selectedMachine;                 // the machine name the machine card opens with

    // A year-scoped base as a table name of the working year: "phm_nakup" -> "phm_nakup2004".
    QString yearTable(const QString &base) const { return base + workingYear; }
};

} // namespace app
